#include "App/CodiComu/windows/TFRMResultadoProcceso.h"

#include <QAction>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/translate/TZULTranslate.h"

namespace {

constexpr int kHintColumns = 100;
constexpr int kHintLines = 30;

QPushButton* NewButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QAction* NewAction(QObject* parent, const char* name, const QString& text) {
  auto* action = new QAction(text, parent);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

TFRMResultadoProcceso::TFRMResultadoProcceso(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFRMResultadoProcceso"));
  setWindowTitle(QStringLiteral("Resultado actualización de la base de datos"));

  m_text = new QPlainTextEdit(this);
  m_text->setObjectName(QStringLiteral("mmResultado"));
  m_text->setReadOnly(true);
  m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(12);
  m_text->setFont(font);

  m_accept = NewButton(this, "btnAceptar", QStringLiteral("ACEPTAR y procesar los cambios"));
  m_cancel = NewButton(this, "btnCancelar", QStringLiteral("CANCELAR y descartar los cambios"));
  m_cancel->setDefault(true);  // a stray Enter never applies changes
  connect(m_accept, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* menuBar = new QMenuBar(this);
  menuBar->setObjectName(QStringLiteral("mmMenu"));
  QMenu* file = menuBar->addMenu(QStringLiteral("Archivo"));
  file->setObjectName(QStringLiteral("mnArchivo"));
  m_save = NewAction(this, "mnGuardarComo", QStringLiteral("Guardar como ..."));
  m_exit = NewAction(this, "mnSalir", QStringLiteral("Salir"));
  file->addAction(m_save);
  file->addSeparator();
  file->addAction(m_exit);
  connect(m_save, &QAction::triggered, this, [this] { SaveAs(); });
  connect(m_exit, &QAction::triggered, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_accept, 1);
  buttons->addWidget(m_cancel, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addWidget(m_text, 1);
  layout->addLayout(buttons);

  BPLTranslate().Execute(this, QStringLiteral("CC_TFRMResultadoProcceso"));
  resize(sizeHint());
}

QSize TFRMResultadoProcceso::sizeHint() const {
  const QFontMetrics metrics(m_text->font());
  const QSize text(metrics.horizontalAdvance(QString(kHintColumns, QLatin1Char('M'))),
                   metrics.lineSpacing() * kHintLines);
  return QDialog::sizeHint().expandedTo(text + QSize(40, 90));
}

void TFRMResultadoProcceso::SetLines(const QStringList& lines) {
  m_text->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList TFRMResultadoProcceso::Lines() const {
  const QString text = m_text->toPlainText();
  return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QString TFRMResultadoProcceso::WithDefaultExtension(const QString& fileName) {
  return QFileInfo(fileName).suffix().isEmpty() ? fileName + QStringLiteral(".txt") : fileName;
}

void TFRMResultadoProcceso::SaveLines(const QString& fileName, const QStringList& lines) {
  QSaveFile file(fileName);
  QByteArray data;
  for (const QString& line : lines) data += line.toUtf8() + '\n';
  if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
    throw EFileError(
        QStringLiteral("No se puede guardar el archivo \"%1\":\n%2").arg(fileName, file.errorString()));
  }
}

bool TFRMResultadoProcceso::SaveAs() {
  const QString picked = Dialogs::Current().PickSaveFile(QStringLiteral("Guardar archivo de información"),
                                                         QString(), QStringLiteral("*.txt"));
  if (picked.isEmpty()) return false;
  try {
    SaveLines(WithDefaultExtension(picked), Lines());
  } catch (const Exception& e) {
    Dialogs::Current().Error(Dialogs::AppTitle(), e.Message());
    return false;
  }
  return true;
}

bool TFRMResultadoProcceso::Confirm(const QStringList& lines, QWidget* parent) {
  TFRMResultadoProcceso window(parent);
  window.SetLines(lines);
  return window.exec() == QDialog::Accepted;
}
