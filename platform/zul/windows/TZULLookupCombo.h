#pragma once
// The combo of a lookup control: it shows the text of the current key (read by key,
// one row), lists the choices a page at a time as they are scrolled to, and typing lists
// the choices that begin with what was typed. The key changes only when the person
// chooses a row (or clears the text), and then keyChosen is raised.

#include <QComboBox>
#include <QVariant>

class QCompleter;
class TZULLookupModel;

class TZULLookupCombo : public QComboBox {
  Q_OBJECT
public:
  explicit TZULLookupCombo(QWidget* parent = nullptr);

  TZULLookupModel* LookupModel() const { return m_model; }
  // The key shown (null: no value).
  QVariant CurrentKey() const { return m_key; }
  // Shows a key without raising keyChosen (what the field holds).
  void SetCurrentKey(const QVariant& key);
  // The person is typing a search that has not been chosen or dropped yet.
  bool Searching() const { return m_searching; }

  void showPopup() override;

protected:
  // A key not among the rows read shows no row: the arrows drop the list down and the
  // wheel does nothing, instead of stepping from "no row" to the empty choice.
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

signals:
  void keyChosen();

private:
  void Choose(int row);
  void TextEdited(const QString& text);
  void FinishEditing();

  TZULLookupModel* m_model;
  QCompleter* m_completer;
  QVariant m_key;
  bool m_searching = false;
};
