#pragma once
// The generic window of a data form, drawn from its forms model: the navigator,
// the list grid and the record's controls in the model's order. Editing goes
// through the datasets (Edit, Post, Cancel), so their events reach the rules; a
// rule's error is shown and the record stays as the person typed it. The widgets
// follow the model's changes. Keys: Tab in the model's order, Enter moves on,
// Escape cancels the record's changes.
//
// The form must outlive the view (give it the view as parent to tie them).

#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULForm.h"

class QFormLayout;
class QObject;
class TZULControlBinding;
class TZULDBGridView;
class TZULDBNavigator;

class TZULFormView : public QWidget {
  Q_OBJECT
public:
  explicit TZULFormView(TZULForm* form, QWidget* parent = nullptr);
  ~TZULFormView() override;

  TZULForm* Form() const { return m_form; }
  TZULDBNavigator* Navigator() const { return m_navigator; }
  TZULDBGridView* ListGrid() const { return m_grid; }
  // The widget of a control (by name, without regard to case); nullptr when absent.
  QWidget* ControlWidget(const QString& name) const;

  // Writes what was typed into the fields of the dataset's controls (all datasets
  // when null); shows the error and gives false when a text is no value.
  bool CommitEdits(TSQLDataSet* dataSet = nullptr);
  // Cancels the changes of the dataset's record, as Escape does.
  void CancelEdits(TSQLDataSet* dataSet);
  // F12: saves every record being changed, the details' first; false when one
  // could not be saved (its error was shown). F8: undoes them all.
  bool SaveAll();
  void UndoAll();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void AddControls(QObject* parent, QWidget* container, QFormLayout* layout);
  void AddDetailNavigator(TZULControl& control, TZULDBGridView& grid, QFormLayout* layout);
  void Watch(TSQLDataSet* dataSet);
  void OnEdited(TZULControlBinding* binding, bool immediate);
  void OnFieldChanged(TSQLDataSet* dataSet, const QString& fieldName);
  void OnRecordChanged(TSQLDataSet* dataSet);
  void ApplyStates(TSQLDataSet* dataSet);
  void SetTabOrder();
  TZULControlBinding* BindingOf(QObject* widget) const;
  std::vector<TZULDBNavigator*> NavigatorsDetailsFirst() const;

  QPointer<TZULForm> m_form;
  TZULDBNavigator* m_navigator = nullptr;
  TZULDBGridView* m_grid = nullptr;
  QWidget* m_record = nullptr;
  std::vector<TZULControlBinding*> m_bindings;  // in the model's order
  std::vector<QPointer<TSQLDataSet>> m_dataSets;
};
