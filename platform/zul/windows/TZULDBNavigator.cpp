#include "platform/zul/windows/TZULDBNavigator.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/windows/GuardedAction.h"

namespace {

struct ButtonText {
  const char* name;
  const char* text;
  const char* hint;
};

constexpr ButtonText kButtons[TZULDBNavigator::ButtonCount] = {
    {"nbFirst", "|<", "Primer registro"},         {"nbPrior", "<", "Registro anterior"},
    {"nbNext", ">", "Registro siguiente"},        {"nbLast", ">|", "Último registro"},
    {"nbInsert", "Nuevo", "Nuevo registro"},      {"nbEdit", "Modificar", "Modificar el registro"},
    {"nbPost", "Guardar", "Guardar los cambios (F12)"}, {"nbCancel", "Cancelar", "Cancelar los cambios (F8)"},
    {"nbDelete", "Borrar", "Borrar el registro"}, {"nbRefresh", "Actualizar", "Volver a leer los datos"},
};

}  // namespace

TZULDBNavigator::TZULDBNavigator(TSQLDataSet* dataSet, QWidget* parent)
    : QWidget(parent), m_dataSet(dataSet) {
  setObjectName(QStringLiteral("DBNavigator"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  for (int b = 0; b < ButtonCount; ++b) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(kButtons[b].name));
    button->setText(QString::fromUtf8(kButtons[b].text));
    button->setToolTip(QString::fromUtf8(kButtons[b].hint));
    button->setFocusPolicy(Qt::NoFocus);  // the keyboard stays on the record
    connect(button, &QToolButton::clicked, this, [this, b] { Run(static_cast<Button>(b)); });
    layout->addWidget(button);
    m_buttons[b] = button;
  }
  layout->addStretch();
  if (dataSet) {
    connect(dataSet, &TSQLDataSet::stateChanged, this, &TZULDBNavigator::UpdateButtons);
    connect(dataSet, &TSQLDataSet::rowsChanged, this, &TZULDBNavigator::UpdateButtons);
    connect(dataSet, &TSQLDataSet::dataChanged, this, [this](TField* field) {
      if (!field) UpdateButtons();
    });
  }
  UpdateButtons();
}

void TZULDBNavigator::UpdateButtons() {
  TSQLDataSet* ds = m_dataSet;
  const bool active = ds && ds->Active();
  const bool modifying = active && ds->Modifying();
  const bool empty = !active || ds->IsEmpty();
  const bool canModify = active && ds->Flag() != 1 && !ds->UpdateTable().isEmpty();
  const int recNo = active ? ds->RecNo() : 0;
  const bool before = !empty && recNo > 1;
  const bool after = !empty && (recNo < ds->RecordCountFetched() || ds->MoreRows());
  const bool enabled[ButtonCount] = {before,
                                     before,
                                     after,
                                     after,
                                     canModify,
                                     canModify && !modifying && !empty,
                                     modifying,
                                     modifying,
                                     canModify && !modifying && !empty,
                                     active && !modifying};
  for (int b = 0; b < ButtonCount; ++b) m_buttons[b]->setEnabled(enabled[b]);
}

bool TZULDBNavigator::Run(Button button) {
  if (!m_dataSet || !m_buttons[button]->isEnabled()) return false;
  const bool done = GuardedAction([&] { Act(button); });
  UpdateButtons();
  return done;
}

void TZULDBNavigator::Act(Button button) {
  TSQLDataSet* ds = m_dataSet;
  // Moving, saving, adding and re-reading first write what was typed.
  const bool writes = button != Edit && button != Cancel && button != Delete;
  if (writes && m_beforeAction && !m_beforeAction()) Abort();  // already shown
  switch (button) {
    case First:
      ds->First();
      break;
    case Prior:
      ds->Prior();
      break;
    case Next:
      ds->Next();
      break;
    case Last:
      ds->Last();
      break;
    case Insert:
      ds->Append();
      break;
    case Edit:
      ds->Edit();
      break;
    case Post:
      ds->Post();
      break;
    case Cancel:
      ds->Cancel();
      break;
    case Delete:
      if (Dialogs::AskYesNo(QStringLiteral("¿Borrar el registro?"))) ds->Delete();
      break;
    case Refresh:
      if (m_query && m_query->DataSet() == ds) {
        m_query->RefrescaSQL();
      } else {
        ds->Refresh();
      }
      break;
    case ButtonCount:
      break;
  }
}
