#pragma once
// Joins one control of the forms model to the widget that draws it: the model's
// state (enabled, visible, read-only, checked, caption, choices) is put on the
// widget whenever it changes, and a data-aware control shows its field of the
// current record and writes back what the person typed.

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <functional>

#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULForm.h"

class QWidget;
class TZULLookupCombo;

class TZULControlBinding : public QObject {
  Q_OBJECT
public:
  // label: the control's caption label when it is drawn apart (nullptr otherwise);
  // dataSet: the dataset that a data-aware control edits (nullptr: none).
  TZULControlBinding(TZULControl* control, QWidget* widget, QLabel* label, TSQLDataSet* dataSet,
                     QObject* parent = nullptr);

  TZULControl* Control() const { return m_control; }
  QWidget* Widget() const { return m_widget; }
  TSQLDataSet* DataSet() const { return m_dataSet; }
  // Bound to a field (a data-aware kind with a field name and a dataset).
  bool DataAware() const;
  bool IsField(const QString& fieldName) const;
  // A free-text editor: Enter moves on instead of being typed (memos keep it).
  bool TakesEnter() const;

  // Model to widget.
  void ApplyState();
  // Field to widget (the current record's value; empty without a field).
  void Load();

  // The widget holds text typed but not yet written to the field.
  bool Dirty() const { return m_dirty; }
  void MarkDirty() { m_dirty = true; }
  // Widget to field; raises EConvertError for a text that is no value of the field
  // and whatever the dataset raises. Needs the dataset in edit or insert.
  void Store();

  // The raw content of the widget, to keep what was typed across a reload.
  QVariant WidgetContent() const;
  void SetWidgetContent(const QVariant& content);

  // Runs before a button's procedure (the form writes what was typed into the
  // fields, so the procedure reads it); false keeps the procedure from running.
  void SetBeforeClick(std::function<bool()> beforeClick) { m_beforeClick = std::move(beforeClick); }

signals:
  // The person changed the widget; `immediate`: a choice (check, combo, date),
  // written at once, rather than text written when the editing ends.
  void edited(TZULControlBinding* binding, bool immediate);
  // A line edit's editing ended (Enter or leaving it).
  void editingFinished(TZULControlBinding* binding);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  enum class Editor { None, Line, Memo, Check, Combo, Date, Time, DateTime, Radio, Label, Button, Box };

  TField* Field() const;
  TZULLookupCombo* Lookup() const;  // the lookup combo, when this is one
  void SetUpLookup();
  bool Writable() const;
  void ApplyItems();
  QVariant ItemValue(int position) const;
  void Connect();
  void Emit(bool immediate);

  QPointer<TZULControl> m_control;
  QPointer<QWidget> m_widget;
  QPointer<QLabel> m_label;
  QPointer<TSQLDataSet> m_dataSet;
  Editor m_editor = Editor::None;
  std::function<bool()> m_beforeClick;
  bool m_loading = false;
  bool m_dirty = false;
  QStringList m_shownItems;
};
