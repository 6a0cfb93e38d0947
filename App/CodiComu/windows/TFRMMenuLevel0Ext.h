#pragma once
// The program's main window. It hosts the data forms of the application tree, either
// as multiple-document children of a QMdiArea or docked one at a time; shows the
// current centre and the speed buttons to the principal forms; builds its menus from
// the tree plus the shell's fixed commands; and follows the connection events of
// the configuration (AppConfig()). Start() runs the start-up sequence that the
// window's creation drives.

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "App/CodiComu/RecordPicker.h"
#include "App/CodiComu/config/TZULMenuForm.h"

class QAction;
class QDialog;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class TZULAppPaintBackGroundForm;
class TZULFormView;

class TFRMMenuLevel0Ext : public QMainWindow, public TZULMenuForm {
  Q_OBJECT
public:
  // Shows a modal window and gives its result (exec by default). Tests and the
  // unattended start replace it, so no window waits for a person.
  using TModalRunner = std::function<int(QDialog& dialog)>;

  explicit TFRMMenuLevel0Ext(QWidget* parent = nullptr);
  ~TFRMMenuLevel0Ext() override;

  void SetModalRunner(TModalRunner runner) { m_runner = std::move(runner); }
  int RunModal(QDialog& dialog);

  // The start-up: configuration, Init, menus, messages, translation. False when the
  // program must end at once (foreign application file, refused login). Any other
  // error is shown and the window goes on without what failed.
  bool Start();
  // Runs the first activation now unless it has run (it normally follows the
  // window's first activation).
  void EnsureFirstActivation();
  bool FirstActivationDone() const { return m_firstActivationDone; }
  // Shows the window where and as large as it was when the program last ended
  // (maximised the first time).
  void ShowAsLastTime();
  // Closing without the question: child forms closed, settings stored, Finish.
  void Shutdown();

  // The form of a node: a new view, or the one already open in multiple-window style
  // brought to the front. nullptr when the node has no form.
  TZULFormView* OpenNode(int node);
  void CloseChildForms(TZULFormView* except);
  std::vector<TZULFormView*> ChildForms() const;
  void SetMDI(bool on);
  bool IsMDI() const { return m_mdi; }
  QMdiArea* MdiArea() const;
  QWidget* Client() const { return m_client; }
  QLabel* CentreLabel() const { return m_centreLabel; }
  TZULAppPaintBackGroundForm& BackGround() { return *m_background; }
  QString Title() const { return m_title; }
  // An action by object name ("ActSelEmpresa", "MenuItem_idnode_11780"...).
  QAction* Action(const QString& name) const;
  void RefreshCentreLabel();

  // TZULMenuForm
  void CloseChildForms() override { CloseChildForms(nullptr); }
  void AfterDisconnect() override;
  void AfterConnect() override;
  void AfterFirstActivation() override;
  bool LoadWindowSettings() override;
  bool AllowsMDI() const override { return true; }
  virtual void ChildFormShown(TZULFormView* view, bool mdi, int visibleCount);
  virtual void InitMenus();

  // Commands.
  void SelectDataBase();
  void DataBaseUsers();
  void ConfigureCompany();
  void ConfigureCurrency();
  void ConfigureMainWindow();
  void SelectCentre();
  void About();
  void Manual();
  void WebHelp();
  void ChangeLanguage(int index);
  // The bank-data check: the report, and the conversion when the person accepts it.
  // True when applied.
  bool CheckSepaData();

signals:
  // The first activation has run (scripts wait for it).
  void FirstActivationFinished();

protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void BuildTopBar();
  void BuildMenus();
  QAction* AddCommand(QMenu* menu, const char* name, const QString& caption, std::function<void()> command,
                      bool needsDataBase);
  void AddNodeMenus(QMenu* menu, int node);
  void BuildLanguageMenu();
  void FillWindowMenu();
  void ArrangeChildren(Qt::Orientation orientation);
  void ArrangeIcons();
  void UpdateActions();
  void UpdateCaption();
  void CloseView(TZULFormView* view);
  int ShowPicker(TZULForm& form);
  void ShowToolWindow(TZULForm& form);
  void FirstActivation();
  void RestoreWindowGeometry();
  void StoreWindowGeometry();

  TModalRunner m_runner;
  QString m_title;
  bool m_mdi = false;
  bool m_started = false;
  bool m_activated = false;
  bool m_firstActivationDone = false;
  bool m_shutDown = false;
  bool m_shownOnce = false;  // a window never shown has no place to remember
  bool m_geometryRestored = false;
  std::unique_ptr<TZULAppPaintBackGroundForm> m_background;
  QPointer<QWidget> m_client;
  QLabel* m_centreLabel = nullptr;
  QMenu* m_tables = nullptr;
  QMenu* m_billing = nullptr;
  QMenu* m_history = nullptr;
  QMenu* m_queries = nullptr;
  QMenu* m_language = nullptr;
  QMenu* m_window = nullptr;
  std::vector<QPointer<QAction>> m_dataBaseActions;  // enabled only with a database open
  QPointer<QAction> m_usersAction;
  std::vector<QPointer<TZULFormView>> m_views;
  TFormModalShower m_previousShower;
};
