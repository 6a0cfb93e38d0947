#include "platform/zul/windows/TZULFormView.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

#include "platform/core/Dialogs.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULForm.h"
#include "platform/zul/windows/GuardedAction.h"
#include "platform/zul/windows/TZULControlBinding.h"
#include "platform/zul/windows/TZULControlFactory.h"
#include "platform/zul/windows/TZULDBGridView.h"
#include "platform/zul/windows/TZULDBNavigator.h"

namespace {

QFormLayout* NewFormLayout(QWidget* container) {
  auto* layout = new QFormLayout(container);
  layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  return layout;
}

}  // namespace

TZULFormView::TZULFormView(TZULForm* form, QWidget* parent) : QWidget(parent), m_form(form) {
  auto* layout = new QVBoxLayout(this);
  if (!form) return;
  setObjectName(form->objectName());
  setWindowTitle(form->Caption());
  TSQLDataSet* dataSet = form->DataSet();

  m_navigator = new TZULDBNavigator(dataSet, this);
  m_navigator->SetQuery(form->Query());
  m_navigator->SetBeforeAction([this, dataSet] { return CommitEdits(dataSet); });
  layout->addWidget(m_navigator);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  layout->addWidget(splitter, 1);
  if (form->ListGrid()) {
    m_grid = new TZULDBGridView(form->ListGrid(), splitter);
    m_grid->setObjectName(QStringLiteral("DBGrid"));
    m_grid->SetBeforeMove([this, dataSet] { return CommitEdits(dataSet); });
    m_grid->installEventFilter(this);
    splitter->addWidget(m_grid);
  }
  auto* scroll = new QScrollArea(splitter);
  scroll->setWidgetResizable(true);
  m_record = new QWidget(scroll);
  m_record->setObjectName(QStringLiteral("PanelRegistro"));
  AddControls(form, m_record, NewFormLayout(m_record));
  scroll->setWidget(m_record);
  splitter->addWidget(scroll);

  if (dataSet) Watch(dataSet);
  SetTabOrder();

  // F12 saves and F8 undoes the record's changes, the detail's first.
  auto* save = new QShortcut(QKeySequence(Qt::Key_F12), this);
  save->setContext(Qt::WidgetWithChildrenShortcut);
  connect(save, &QShortcut::activated, this, [this] { SaveAll(); });
  auto* undo = new QShortcut(QKeySequence(Qt::Key_F8), this);
  undo->setContext(Qt::WidgetWithChildrenShortcut);
  connect(undo, &QShortcut::activated, this, [this] { UndoAll(); });
}

std::vector<TZULDBNavigator*> TZULFormView::NavigatorsDetailsFirst() const {
  std::vector<TZULDBNavigator*> navigators;
  for (TZULDBNavigator* navigator : findChildren<TZULDBNavigator*>()) {
    if (navigator != m_navigator) navigators.push_back(navigator);
  }
  if (m_navigator) navigators.push_back(m_navigator);
  return navigators;
}

bool TZULFormView::SaveAll() {
  for (TZULDBNavigator* navigator : NavigatorsDetailsFirst()) {
    TSQLDataSet* dataSet = navigator->DataSet();
    if (dataSet && dataSet->Modifying() && !navigator->Run(TZULDBNavigator::Post)) return false;
  }
  return true;
}

void TZULFormView::UndoAll() {
  for (TZULDBNavigator* navigator : NavigatorsDetailsFirst()) {
    TSQLDataSet* dataSet = navigator->DataSet();
    bool dirty = false;
    for (TZULControlBinding* binding : m_bindings)
      dirty = dirty || (binding->DataSet() == dataSet && binding->Dirty());
    if (dataSet && (dataSet->Modifying() || dirty)) CancelEdits(dataSet);
  }
}

TZULFormView::~TZULFormView() {
  // The datasets may outlive the view: no notice may reach a half-destroyed one.
  for (const QPointer<TSQLDataSet>& dataSet : m_dataSets) {
    if (dataSet) disconnect(dataSet, nullptr, this, nullptr);
  }
}

void TZULFormView::AddControls(QObject* parent, QWidget* container, QFormLayout* layout) {
  // Groups with a caption go two to a row, so that a long record is not one column
  // of fields the width of the window.
  QHBoxLayout* pairRow = nullptr;
  for (QObject* child : parent->children()) {
    auto* control = qobject_cast<TZULControl*>(child);
    if (!control) continue;
    const bool group = control->Kind() == TZULControlKind::Panel && !control->Caption().isEmpty();
    if (!group) pairRow = nullptr;
    QWidget* widget = nullptr;
    QLabel* label = nullptr;
    if (group) {
      if (!pairRow) {
        auto* row = new QWidget(container);
        pairRow = new QHBoxLayout(row);
        pairRow->setContentsMargins(0, 0, 0, 0);
        layout->addRow(row);
      }
      widget = TZULControlFactory::CreateWidget(*control, pairRow->parentWidget());
      pairRow->addWidget(widget, 1, Qt::AlignTop);
      if (pairRow->count() == 2) pairRow = nullptr;
    } else {
      widget = TZULControlFactory::CreateWidget(*control, container);
      if (TZULControlFactory::HasSideLabel(*control)) {
        label = TZULControlFactory::CreateLabel(*control, container);
        layout->addRow(label, widget);
      } else {
        layout->addRow(widget);
      }
    }
    TSQLDataSet* dataSet = control->DataSet() ? control->DataSet() : m_form->DataSet();
    auto* binding = new TZULControlBinding(control, widget, label, dataSet, this);
    m_bindings.push_back(binding);
    connect(binding, &TZULControlBinding::edited, this, &TZULFormView::OnEdited);
    binding->SetBeforeClick([this] { return CommitEdits(); });
    connect(binding, &TZULControlBinding::editingFinished, this, [this](TZULControlBinding* b) {
      if (b->DataSet() && b->DataSet()->Modifying()) GuardedAction([b] { b->Store(); });
    });
    if (binding->DataAware()) Watch(dataSet);
    if (auto* grid = qobject_cast<TZULDBGridView*>(widget)) {
      // A long record scrolls rather than squeezing its lists and memos to a sliver.
      grid->setMinimumHeight(grid->horizontalHeader()->sizeHint().height() +
                             6 * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth());
      AddDetailNavigator(*control, *grid, layout);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
      memo->setMinimumHeight(4 * memo->fontMetrics().lineSpacing() + 2 * memo->frameWidth() + 8);
    }
    if (control->Kind() == TZULControlKind::Panel) {
      AddControls(control, widget, static_cast<QFormLayout*>(widget->layout()));
    }
  }
}

void TZULFormView::AddDetailNavigator(TZULControl& control, TZULDBGridView& grid, QFormLayout* layout) {
  TSQLDataSet* detail = control.DataSet();
  grid.SetBeforeMove([this, detail] { return CommitEdits(detail); });
  grid.installEventFilter(this);
  if (!detail) return;
  // A detail grid has a navigator of its own under it: its records are saved there.
  auto* navigator = new TZULDBNavigator(detail, grid.parentWidget());
  navigator->setObjectName(control.Name() + QStringLiteral("Navigator"));
  navigator->SetBeforeAction([this, detail] { return CommitEdits(detail); });
  layout->addRow(navigator);
  auto follow = [navigator, c = &control] {
    navigator->setVisible(c->Visible() && !c->ReadOnly());
    navigator->setEnabled(c->Enabled());
  };
  connect(&control, &TZULControl::changed, navigator, follow);
  follow();
  Watch(detail);
}

void TZULFormView::Watch(TSQLDataSet* dataSet) {
  if (!dataSet) return;
  for (const QPointer<TSQLDataSet>& watched : m_dataSets) {
    if (watched == dataSet) return;
  }
  m_dataSets.emplace_back(dataSet);
  connect(dataSet, &TSQLDataSet::dataChanged, this, [this, dataSet](TField* field) {
    if (field) {
      OnFieldChanged(dataSet, field->FieldName());
    } else {
      OnRecordChanged(dataSet);
    }
  });
  connect(dataSet, &TSQLDataSet::stateChanged, this, [this, dataSet] { ApplyStates(dataSet); });
  connect(dataSet, &TSQLDataSet::rowsChanged, this, [this, dataSet] {
    ApplyStates(dataSet);
    OnRecordChanged(dataSet);
  });
}

QWidget* TZULFormView::ControlWidget(const QString& name) const {
  for (TZULControlBinding* binding : m_bindings) {
    if (binding->Widget() && binding->Widget()->objectName().compare(name, Qt::CaseInsensitive) == 0) {
      return binding->Widget();
    }
  }
  return nullptr;
}

void TZULFormView::OnRecordChanged(TSQLDataSet* dataSet) {
  for (TZULControlBinding* binding : m_bindings) {
    if (binding->DataSet() == dataSet) binding->Load();
  }
}

void TZULFormView::OnFieldChanged(TSQLDataSet* dataSet, const QString& fieldName) {
  // A field that a rule changed; what the person is still typing stays.
  for (TZULControlBinding* binding : m_bindings) {
    if (binding->DataSet() == dataSet && binding->IsField(fieldName) && !binding->Dirty()) binding->Load();
  }
}

void TZULFormView::ApplyStates(TSQLDataSet* dataSet) {
  for (TZULControlBinding* binding : m_bindings) {
    if (binding->DataSet() == dataSet) binding->ApplyState();
  }
}

void TZULFormView::OnEdited(TZULControlBinding* binding, bool immediate) {
  TSQLDataSet* dataSet = binding->DataSet();
  if (!binding->DataAware() || !dataSet || !dataSet->Active()) return;
  if (!dataSet->Modifying()) {
    // The first change puts the record in edit (in insert when the set is empty,
    // which shows the new record): what was typed is kept.
    const QVariant typed = binding->WidgetContent();
    if (!GuardedAction([dataSet] { dataSet->Edit(); })) {
      binding->Load();
      return;
    }
    if (binding->WidgetContent() != typed) binding->SetWidgetContent(typed);
  }
  binding->MarkDirty();
  if (immediate) GuardedAction([binding] { binding->Store(); });
}

bool TZULFormView::CommitEdits(TSQLDataSet* dataSet) {
  return GuardedAction([&] {
    for (TZULControlBinding* binding : m_bindings) {
      TSQLDataSet* ds = binding->DataSet();
      if (!binding->Dirty() || !ds || (dataSet && ds != dataSet) || !ds->Modifying()) continue;
      binding->Store();
    }
  });
}

void TZULFormView::CancelEdits(TSQLDataSet* dataSet) {
  if (!dataSet) return;
  GuardedAction([dataSet] { dataSet->Cancel(); });
  OnRecordChanged(dataSet);
  if (m_navigator) m_navigator->UpdateButtons();
}

TZULControlBinding* TZULFormView::BindingOf(QObject* widget) const {
  for (QObject* o = widget; o && o != this; o = o->parent()) {
    for (TZULControlBinding* binding : m_bindings) {
      if (binding->Widget() == o) return binding;
    }
  }
  return nullptr;
}

bool TZULFormView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  TZULControlBinding* binding = BindingOf(watched);
  TSQLDataSet* dataSet =
      binding && binding->DataSet() ? binding->DataSet() : (m_form ? m_form->DataSet() : nullptr);
  if (key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier && dataSet &&
      (dataSet->Modifying() || (binding && binding->Dirty()))) {
    CancelEdits(dataSet);
    return true;
  }
  if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier &&
      binding && binding->TakesEnter()) {
    if (binding->Dirty() && dataSet && dataSet->Modifying() &&
        !GuardedAction([binding] { binding->Store(); })) {
      return true;
    }
    focusNextChild();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TZULFormView::SetTabOrder() {
  // The keyboard goes through the record's controls in the model's order, after the list.
  QList<QWidget*> order;
  if (m_grid) order.append(m_grid);
  for (TZULControlBinding* binding : m_bindings) {
    QWidget* widget = binding->Widget();
    if (!widget) continue;
    if (QButtonGroup* group = widget->findChild<QButtonGroup*>(); group && !group->buttons().isEmpty()) {
      for (QAbstractButton* button : group->buttons()) order.append(button);
    } else if (widget->focusPolicy() & Qt::TabFocus) {
      order.append(widget);
    }
  }
  for (QWidget* widget : order) {
    if (widget != m_grid) widget->installEventFilter(this);
  }
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void TZULFormView::closeEvent(QCloseEvent* event) {
  TSQLDataSet* dataSet = m_form ? m_form->DataSet() : nullptr;
  bool pending = dataSet && dataSet->Modifying();
  for (TZULControlBinding* binding : m_bindings) pending = pending || binding->Dirty();
  if (pending) {
    const TDialogButton answer = Dialogs::Ask(QStringLiteral("¿Guardar los cambios del registro?"),
                                              TDialogIcon::Question, dbYes | dbNo | dbCancel, dbCancel);
    bool settled = false;
    if (answer == dbYes) {
      settled = CommitEdits(dataSet) && GuardedAction([dataSet] {
                  if (dataSet && dataSet->Modifying()) dataSet->Post();
                });
    } else if (answer == dbNo) {
      CancelEdits(dataSet);
      settled = true;
    }
    if (!settled) {
      event->ignore();
      return;
    }
  }
  if (m_form) GuardedAction([this] { m_form->Close(); });
  event->accept();
}
