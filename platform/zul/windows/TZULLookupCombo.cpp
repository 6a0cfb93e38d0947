#include "platform/zul/windows/TZULLookupCombo.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/core/Variants.h"
#include "platform/zul/TZULLookupModel.h"

TZULLookupCombo::TZULLookupCombo(QWidget* parent)
    : QComboBox(parent), m_model(new TZULLookupModel(this)), m_completer(new QCompleter(m_model, this)) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setModel(m_model);
  // The model does the filtering (in the engine); the completer only shows its rows
  // under the text and sends the keys on to it.
  m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  m_completer->setCaseSensitivity(Qt::CaseInsensitive);
  setCompleter(m_completer);
  m_model->SetFetchGate([this] { return view()->isVisible() || m_completer->popup()->isVisible(); });
  connect(this, &QComboBox::activated, this, &TZULLookupCombo::Choose);
  connect(lineEdit(), &QLineEdit::textEdited, this, &TZULLookupCombo::TextEdited);
  connect(lineEdit(), &QLineEdit::editingFinished, this, &TZULLookupCombo::FinishEditing);
}

void TZULLookupCombo::SetCurrentKey(const QVariant& key) {
  m_key = Var::IsNullOrEmpty(key) ? QVariant() : key;
  m_searching = false;
  const int row = m_model->RowOfKey(m_key);
  if (row >= 0) {
    setCurrentIndex(row);
    setEditText(m_model->Text(row));
  } else {
    setCurrentIndex(-1);
    setEditText(m_model->DisplayText(m_key));
  }
}

void TZULLookupCombo::Choose(int row) {
  const QVariant key = m_model->Key(row);
  const bool changed = !Var::SameValue(key, m_key);
  SetCurrentKey(key);
  if (changed) emit keyChosen();
}

void TZULLookupCombo::TextEdited(const QString& text) {
  m_searching = true;
  const int cursor = lineEdit()->cursorPosition();
  m_model->SetFilter(text);  // the combo empties its text when its model is reset
  setEditText(text);
  lineEdit()->setCursorPosition(cursor);
  if (text.isEmpty()) {
    m_completer->popup()->hide();
  } else {
    m_completer->setCompletionPrefix(text);
    m_completer->complete();
  }
}

void TZULLookupCombo::FinishEditing() {
  if (!m_searching) return;
  const QString text = currentText().trimmed();
  if (text.isEmpty()) {
    Choose(0);
    return;
  }
  // The row whose text is the one typed, else the only row that begins with it.
  int row = -1;
  for (int i = 1; i < m_model->rowCount(); ++i) {
    if (m_model->Text(i).compare(text, Qt::CaseInsensitive) == 0) {
      row = i;
      break;
    }
  }
  if (row < 0 && m_model->rowCount() == 2) row = 1;  // a page of one row is the whole result
  if (row > 0) {
    Choose(row);
  } else {
    SetCurrentKey(m_key);  // nothing chosen: the text of the key comes back
  }
}

void TZULLookupCombo::showPopup() {
  if (!m_searching) {
    const QVariant key = m_key;
    m_model->SetFilter(QString());
    SetCurrentKey(key);
  }
  QComboBox::showPopup();
}

void TZULLookupCombo::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool step =
      key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
  if (step && currentIndex() < 0 && !(event->modifiers() & Qt::AltModifier)) {
    showPopup();
    return;
  }
  QComboBox::keyPressEvent(event);
}

void TZULLookupCombo::wheelEvent(QWheelEvent* event) {
  if (currentIndex() < 0) {
    event->ignore();
    return;
  }
  QComboBox::wheelEvent(event);
}
