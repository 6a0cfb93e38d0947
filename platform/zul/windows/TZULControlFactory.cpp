#include "platform/zul/windows/TZULControlFactory.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/zul/TZULForm.h"
#include "platform/zul/windows/TZULDBGridView.h"
#include "platform/zul/windows/TZULLookupCombo.h"

namespace {

// Dates go through the calendar; the earliest date stands for "no date".
QDateEdit* NewDateEdit(QWidget* parent) {
  auto* edit = new QDateEdit(parent);
  edit->setCalendarPopup(true);
  edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  edit->setMinimumDate(QDate(1899, 12, 30));
  edit->setSpecialValueText(QStringLiteral(" "));
  return edit;
}

}  // namespace

QWidget* TZULControlFactory::CreateWidget(TZULControl& control, QWidget* parent) {
  QWidget* widget = nullptr;
  switch (control.Kind()) {
    case TZULControlKind::Panel: {
      auto* box = new QGroupBox(parent);
      // A panel without a caption only groups its controls: no frame around them.
      if (control.Caption().isEmpty()) {
        box->setStyleSheet(
            QStringLiteral("QGroupBox#%1 { border: 0; margin: 0; padding: 0; }").arg(control.Name()));
      }
      auto* layout = new QFormLayout(box);
      layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
      widget = box;
      break;
    }
    case TZULControlKind::Label:
      widget = new QLabel(parent);
      break;
    case TZULControlKind::Button:
      widget = new QPushButton(parent);
      break;
    case TZULControlKind::SpeedButton: {
      // Drawn as a button (a flat one looks like a label when it has no picture).
      auto* button = new QToolButton(parent);
      button->setFocusPolicy(Qt::TabFocus);
      widget = button;
      break;
    }
    case TZULControlKind::CheckBox:
    case TZULControlKind::DBCheckBox:
      widget = new QCheckBox(parent);
      break;
    case TZULControlKind::DBEdit:
      widget = new QLineEdit(parent);
      break;
    case TZULControlKind::DBMemo: {
      auto* memo = new QPlainTextEdit(parent);
      memo->setTabChangesFocus(true);
      widget = memo;
      break;
    }
    case TZULControlKind::DBDate:
    case TZULControlKind::DateTimePicker: {
      QDateEdit* edit = NewDateEdit(parent);
      if (control.DataField().isEmpty()) edit->setDate(QDate::currentDate());
      widget = edit;
      break;
    }
    case TZULControlKind::DBTime: {
      auto* edit = new QTimeEdit(parent);
      edit->setDisplayFormat(QStringLiteral("HH:mm"));
      widget = edit;
      break;
    }
    case TZULControlKind::DBLookup:
      widget = new TZULLookupCombo(parent);
      break;
    case TZULControlKind::DBRadioGroup: {
      auto* box = new QGroupBox(parent);
      new QVBoxLayout(box);
      new QButtonGroup(box);
      widget = box;
      break;
    }
    case TZULControlKind::Grid:
      if (control.Grid()) {
        widget = new TZULDBGridView(control.Grid(), parent);
      } else {
        widget = new QWidget(parent);
      }
      break;
    default:  // Other, and kinds this renderer does not draw yet: a placeholder
      widget = new QWidget(parent);
      break;
  }
  widget->setObjectName(control.Name());
  return widget;
}

bool TZULControlFactory::HasSideLabel(const TZULControl& control) {
  switch (control.Kind()) {
    case TZULControlKind::DBEdit:
    case TZULControlKind::DBMemo:
    case TZULControlKind::DBDate:
    case TZULControlKind::DBTime:
    case TZULControlKind::DBLookup:
    case TZULControlKind::DateTimePicker:
    case TZULControlKind::Grid:
      return true;
    default:
      return false;
  }
}

QLabel* TZULControlFactory::CreateLabel(TZULControl& control, QWidget* parent) {
  auto* label = new QLabel(control.Caption(), parent);
  label->setObjectName(control.Name() + QStringLiteral("Label"));
  return label;
}
