#include "platform/zul/windows/TZULControlBinding.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimeEdit>

#include "platform/core/DayDate.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULDisplayFormats.h"
#include "platform/zul/TZULForm.h"
#include "platform/zul/TZULLookupModel.h"
#include "platform/zul/windows/TZULLookupCombo.h"

namespace {

// The earliest date of a date editor stands for "no date" and shows blank.
const QDate kNoDate(1899, 12, 30);

bool IsDataKind(TZULControlKind kind) {
  switch (kind) {
    case TZULControlKind::DBCheckBox:
    case TZULControlKind::DBEdit:
    case TZULControlKind::DBMemo:
    case TZULControlKind::DBDate:
    case TZULControlKind::DBTime:
    case TZULControlKind::DBLookup:
    case TZULControlKind::DBRadioGroup:
    case TZULControlKind::DateTimePicker:
    case TZULControlKind::Label:
      return true;
    default:
      return false;
  }
}

QButtonGroup* RadioGroup(QWidget* widget) { return widget ? widget->findChild<QButtonGroup*>() : nullptr; }

}  // namespace

TZULControlBinding::TZULControlBinding(TZULControl* control, QWidget* widget, QLabel* label,
                                       TSQLDataSet* dataSet, QObject* parent)
    : QObject(parent), m_control(control), m_widget(widget), m_label(label), m_dataSet(dataSet) {
  if (qobject_cast<QCheckBox*>(widget)) {
    m_editor = Editor::Check;
  } else if (qobject_cast<QLineEdit*>(widget)) {
    m_editor = Editor::Line;
  } else if (qobject_cast<QPlainTextEdit*>(widget)) {
    m_editor = Editor::Memo;
  } else if (qobject_cast<TZULLookupCombo*>(widget)) {
    m_editor = Editor::Combo;
  } else if (qobject_cast<QDateEdit*>(widget)) {
    m_editor = Editor::Date;
  } else if (qobject_cast<QTimeEdit*>(widget)) {
    m_editor = Editor::Time;
  } else if (qobject_cast<QDateTimeEdit*>(widget)) {
    m_editor = Editor::DateTime;
  } else if (qobject_cast<QGroupBox*>(widget)) {
    m_editor = RadioGroup(widget) ? Editor::Radio : Editor::Box;
  } else if (qobject_cast<QLabel*>(widget)) {
    m_editor = Editor::Label;
  } else if (qobject_cast<QAbstractButton*>(widget)) {
    m_editor = Editor::Button;
  }
  Connect();
  SetUpLookup();
  if (control) connect(control, &TZULControl::changed, this, &TZULControlBinding::ApplyState);
  ApplyItems();
  ApplyState();
  Load();
}

bool TZULControlBinding::DataAware() const {
  return m_control && m_dataSet && IsDataKind(m_control->Kind()) && !m_control->DataField().isEmpty();
}

bool TZULControlBinding::IsField(const QString& fieldName) const {
  return DataAware() && m_control->DataField().compare(fieldName, Qt::CaseInsensitive) == 0;
}

bool TZULControlBinding::TakesEnter() const {
  return m_editor != Editor::Memo && m_editor != Editor::Button && m_editor != Editor::None;
}

TField* TZULControlBinding::Field() const {
  if (!DataAware() || !m_dataSet->Active()) return nullptr;
  return m_dataSet->FindField(m_control->DataField());
}

bool TZULControlBinding::Writable() const {
  TField* field = Field();
  return field && !field->ReadOnly() && m_dataSet->Flag() != 1 && !m_dataSet->UpdateTable().isEmpty();
}

void TZULControlBinding::Emit(bool immediate) {
  if (!m_loading) emit edited(this, immediate);
}

void TZULControlBinding::Connect() {
  QWidget* w = m_widget;
  switch (m_editor) {
    case Editor::Line: {
      auto* edit = static_cast<QLineEdit*>(w);
      connect(edit, &QLineEdit::textEdited, this, [this] { Emit(false); });
      connect(edit, &QLineEdit::editingFinished, this, [this] {
        if (m_dirty) emit editingFinished(this);
      });
      edit->installEventFilter(this);
      break;
    }
    case Editor::Memo:
      connect(static_cast<QPlainTextEdit*>(w), &QPlainTextEdit::textChanged, this, [this] { Emit(false); });
      break;
    case Editor::Check:
      connect(static_cast<QCheckBox*>(w), &QCheckBox::clicked, this, [this](bool checked) {
        if (DataAware()) {
          Emit(true);
          return;
        }
        if (!m_control) return;
        m_control->SetChecked(checked);
        if (!m_control->Procedure().isEmpty()) m_control->Click();
      });
      break;
    case Editor::Combo:
      connect(static_cast<TZULLookupCombo*>(w), &TZULLookupCombo::keyChosen, this, [this] { Emit(true); });
      break;
    case Editor::Date:
    case Editor::Time:
    case Editor::DateTime:
      connect(static_cast<QDateTimeEdit*>(w), &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (DataAware()) Emit(true);
      });
      break;
    case Editor::Radio:
      connect(RadioGroup(w), &QButtonGroup::idClicked, this, [this] { Emit(true); });
      break;
    case Editor::Button:
      connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this, [this] {
        if (m_beforeClick && !m_beforeClick()) return;
        if (m_control) m_control->Click();
      });
      break;
    default:
      break;
  }
}

bool TZULControlBinding::eventFilter(QObject* watched, QEvent* event) {
  // Amounts show the currency mask except while the person is editing them.
  auto* edit = qobject_cast<QLineEdit*>(watched);
  TField* field = edit && !m_dirty ? Field() : nullptr;
  if (field && field->DataType() == TFieldType::ftCurrency) {
    if (event->type() == QEvent::FocusIn) {
      const QScopedValueRollback<bool> loading(m_loading, true);
      edit->setText(TZULDisplayFormats::EditText(field->Value(), field->DataType()));
    } else if (event->type() == QEvent::FocusOut) {
      const QScopedValueRollback<bool> loading(m_loading, true);
      edit->setText(TZULDisplayFormats::DisplayText(field->Value(), field->DataType()));
    }
  }
  return QObject::eventFilter(watched, event);
}

TZULLookupCombo* TZULControlBinding::Lookup() const {
  return m_editor == Editor::Combo ? static_cast<TZULLookupCombo*>(m_widget.data()) : nullptr;
}

void TZULControlBinding::SetUpLookup() {
  // A lookup over a query reads its choices from the dataset's database, a page at a
  // time, the first one now (a small table is then there whole, as a combo's items
  // are); a lookup without one shows the control's items.
  TZULLookupCombo* combo = Lookup();
  if (!combo || !m_control || m_control->LookupSQL().isEmpty() || !m_dataSet || !m_dataSet->Database())
    return;
  combo->LookupModel()->SetQuery(m_dataSet->Database(), m_control->LookupSQL(), m_control->LookupKeyField(),
                                 m_control->LookupDisplayField());
  combo->LookupModel()->Start();
}

void TZULControlBinding::ApplyItems() {
  if (!m_control || (m_editor != Editor::Combo && m_editor != Editor::Radio)) return;
  if (Lookup() && Lookup()->LookupModel()->HasQuery()) return;
  const QStringList items = m_control->Items();
  if (items == m_shownItems) return;
  m_shownItems = items;
  const QScopedValueRollback<bool> loading(m_loading, true);
  if (m_editor == Editor::Combo) {
    Lookup()->LookupModel()->SetItems(items, m_control->ItemValues());
  } else {
    QButtonGroup* group = RadioGroup(m_widget);
    for (QAbstractButton* b : group->buttons()) {
      group->removeButton(b);
      delete b;
    }
    for (int i = 0; i < items.size(); ++i) {
      auto* radio = new QRadioButton(items[i], m_widget);
      radio->setObjectName(m_control->Name() + QString::number(i));
      group->addButton(radio, i);
      if (m_widget->layout()) m_widget->layout()->addWidget(radio);
    }
  }
  Load();
}

QVariant TZULControlBinding::ItemValue(int position) const {
  const QVariantList values = m_control ? m_control->ItemValues() : QVariantList();
  return values.isEmpty() ? QVariant(position) : values.value(position);
}

void TZULControlBinding::ApplyState() {
  if (!m_control || !m_widget) return;
  ApplyItems();
  const bool readOnly = m_control->ReadOnly() || (DataAware() && !Writable());
  const bool enabled = m_control->Enabled();
  const bool visible = m_control->Visible();
  const QString caption = m_control->Caption();
  // Explicitly, both ways: a child never shown is "hidden" until its window shows.
  m_widget->setVisible(visible);
  if (m_label) {
    m_label->setVisible(visible);
    m_label->setText(caption);
    m_label->setEnabled(enabled);
  }
  switch (m_editor) {
    case Editor::Line:
      static_cast<QLineEdit*>(m_widget.data())->setReadOnly(readOnly);
      m_widget->setEnabled(enabled);
      break;
    case Editor::Memo:
      static_cast<QPlainTextEdit*>(m_widget.data())->setReadOnly(readOnly);
      m_widget->setEnabled(enabled);
      break;
    case Editor::Date:
    case Editor::Time:
    case Editor::DateTime:
      static_cast<QDateTimeEdit*>(m_widget.data())->setReadOnly(readOnly);
      m_widget->setEnabled(enabled);
      break;
    case Editor::Check: {
      auto* box = static_cast<QCheckBox*>(m_widget.data());
      box->setText(caption);
      m_widget->setEnabled(enabled && !readOnly);
      if (!DataAware()) box->setChecked(m_control->Checked());
      break;
    }
    case Editor::Combo:
      m_widget->setEnabled(enabled && !readOnly);
      break;
    case Editor::Radio:
    case Editor::Box:
      static_cast<QGroupBox*>(m_widget.data())->setTitle(caption);
      m_widget->setEnabled(enabled && (m_editor == Editor::Box || !readOnly));
      break;
    case Editor::Label:
      if (!DataAware()) static_cast<QLabel*>(m_widget.data())->setText(caption);
      m_widget->setEnabled(enabled);
      break;
    case Editor::Button: {
      auto* button = static_cast<QAbstractButton*>(m_widget.data());
      button->setText(caption);
      if (button->isCheckable()) button->setChecked(m_control->Checked());
      m_widget->setEnabled(enabled);
      break;
    }
    case Editor::None:
      m_widget->setEnabled(enabled);
      break;
  }
}

void TZULControlBinding::Load() {
  if (!DataAware() || !m_widget) return;
  const QScopedValueRollback<bool> loading(m_loading, true);
  m_dirty = false;
  TField* field = Field();
  const QVariant value = field ? field->Value() : QVariant();
  const TFieldType type = field ? field->DataType() : TFieldType::ftUnknown;
  switch (m_editor) {
    case Editor::Line: {
      auto* edit = static_cast<QLineEdit*>(m_widget.data());
      const bool number = TZULDisplayFormats::IsInteger(type) || type == TFieldType::ftFloat ||
                          type == TFieldType::ftCurrency;
      edit->setAlignment(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
      if (field && field->Size() > 0 && type == TFieldType::ftString) edit->setMaxLength(field->Size());
      edit->setText(edit->hasFocus() ? TZULDisplayFormats::EditText(value, type)
                                     : TZULDisplayFormats::DisplayText(value, type));
      break;
    }
    case Editor::Memo:
      static_cast<QPlainTextEdit*>(m_widget.data())->setPlainText(Var::ToString(value));
      break;
    case Editor::Label:
      static_cast<QLabel*>(m_widget.data())->setText(TZULDisplayFormats::DisplayText(value, type));
      break;
    case Editor::Check: {
      const bool checked = !Var::IsNullOrEmpty(value) && Var::ToBool(value);
      static_cast<QCheckBox*>(m_widget.data())->setChecked(checked);
      m_control->SetChecked(checked);  // rules read a data check box's state from the model too
      break;
    }
    case Editor::Combo:
      Lookup()->SetCurrentKey(value);
      break;
    case Editor::Radio: {
      QButtonGroup* group = RadioGroup(m_widget);
      group->setExclusive(false);
      for (QAbstractButton* b : group->buttons()) {
        b->setChecked(!Var::IsNullOrEmpty(value) && Var::SameValue(ItemValue(group->id(b)), value));
      }
      group->setExclusive(true);
      break;
    }
    case Editor::Date:
    case Editor::Time:
    case Editor::DateTime: {
      auto* edit = static_cast<QDateTimeEdit*>(m_widget.data());
      if (Var::IsNullOrEmpty(value)) {
        if (m_editor == Editor::Time) {
          edit->setTime(QTime(0, 0));
        } else {
          edit->setDateTime(QDateTime(kNoDate, QTime(0, 0)));
        }
      } else {
        edit->setDateTime(DayDate::ToDateTime(Var::ToDateTime(value)));
      }
      break;
    }
    default:
      break;
  }
}

QVariant TZULControlBinding::WidgetContent() const {
  if (!m_widget) return QVariant();
  switch (m_editor) {
    case Editor::Line:
      return static_cast<QLineEdit*>(m_widget.data())->text();
    case Editor::Memo:
      return static_cast<QPlainTextEdit*>(m_widget.data())->toPlainText();
    case Editor::Check:
      return static_cast<QCheckBox*>(m_widget.data())->isChecked();
    case Editor::Combo:
      return Lookup()->CurrentKey();
    case Editor::Radio:
      return RadioGroup(m_widget)->checkedId();
    case Editor::Date:
    case Editor::Time:
    case Editor::DateTime:
      return static_cast<QDateTimeEdit*>(m_widget.data())->dateTime();
    default:
      return QVariant();
  }
}

void TZULControlBinding::SetWidgetContent(const QVariant& content) {
  if (!m_widget) return;
  const QScopedValueRollback<bool> loading(m_loading, true);
  switch (m_editor) {
    case Editor::Line:
      static_cast<QLineEdit*>(m_widget.data())->setText(content.toString());
      break;
    case Editor::Memo:
      static_cast<QPlainTextEdit*>(m_widget.data())->setPlainText(content.toString());
      break;
    case Editor::Check:
      static_cast<QCheckBox*>(m_widget.data())->setChecked(content.toBool());
      break;
    case Editor::Combo:
      Lookup()->SetCurrentKey(content);
      break;
    case Editor::Radio:
      if (QAbstractButton* b = RadioGroup(m_widget)->button(content.toInt())) b->setChecked(true);
      break;
    case Editor::Date:
    case Editor::Time:
    case Editor::DateTime:
      static_cast<QDateTimeEdit*>(m_widget.data())->setDateTime(content.toDateTime());
      break;
    default:
      break;
  }
}

void TZULControlBinding::Store() {
  TField* field = Field();
  if (!field || !m_widget) return;
  QVariant value;
  switch (m_editor) {
    case Editor::Line:
      value =
          TZULDisplayFormats::ParseText(static_cast<QLineEdit*>(m_widget.data())->text(), field->DataType());
      break;
    case Editor::Memo: {
      const QString text = static_cast<QPlainTextEdit*>(m_widget.data())->toPlainText();
      value = text.isEmpty() ? Var::Null() : QVariant(text);
      break;
    }
    case Editor::Check:
      value = static_cast<QCheckBox*>(m_widget.data())->isChecked();
      break;
    case Editor::Combo: {
      const QVariant key = Lookup()->CurrentKey();
      value = Var::IsNullOrEmpty(key) ? Var::Null() : key;
      break;
    }
    case Editor::Radio: {
      const int id = RadioGroup(m_widget)->checkedId();
      value = id < 0 ? Var::Null() : ItemValue(id);
      break;
    }
    case Editor::Date:
    case Editor::Time:
    case Editor::DateTime: {
      auto* edit = static_cast<QDateTimeEdit*>(m_widget.data());
      if (m_editor == Editor::Time) {
        value = Var::FromDate(DayDate::FromTime(edit->time()));
      } else if (edit->date() == kNoDate) {
        value = Var::Null();
      } else if (m_editor == Editor::Date) {
        value = Var::FromDate(DayDate::FromDate(edit->date()));
      } else {
        value = Var::FromDate(DayDate::FromDateTime(edit->dateTime()));
      }
      break;
    }
    default:
      return;
  }
  // Cleared first: the field's change notice reloads (and formats) this widget.
  m_dirty = false;
  try {
    field->SetValue(value);
  } catch (...) {
    m_dirty = true;
    throw;
  }
}
