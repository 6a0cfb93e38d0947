#include "App/CodiComu/windows/TCCFRMConfMenuLevel0Ext.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "App/CodiComu/windows/AppPaint.h"
#include "App/CodiComu/windows/DialogButtons.h"
#include "App/CodiComu/windows/TAppImages.h"
#include "platform/core/IniFile.h"
#include "platform/translate/TZULTranslate.h"

namespace {

const QString kInit = QStringLiteral("INIT");
const QString kRemember = QStringLiteral("RememberMDIOption");

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

void ShowColour(QPushButton* button, int number) {
  button->setStyleSheet(QStringLiteral("background-color: %1").arg(ColorFromNumber(number).name()));
}

}  // namespace

TCCFRMConfMenuLevel0Ext::TCCFRMConfMenuLevel0Ext(TParametres& prm, TIniFile& ini, const TCompanyLook* company,
                                                 const QString& appName, bool allowsMdi, bool mdi,
                                                 QWidget* parent)
    : QDialog(parent),
      m_prm(prm),
      m_ini(ini),
      m_company(company),
      m_painter(std::make_unique<TZULAppPaintBackGround>(appName, AppImages())),
      m_chooseColour([](const QColor& c, QWidget* w) { return QColorDialog::getColor(c, w); }),
      m_chooseFile([](const QString& folder, QWidget* w) {
        return QFileDialog::getOpenFileName(w, QString(), folder,
                                            QStringLiteral("Imágenes (*.png *.jpg *.jpeg *.bmp *.gif)"));
      }) {
  setObjectName(QStringLiteral("TCCFRMConfMenuLevel0Ext"));
  setWindowTitle(QStringLiteral("CONFIGURACION DEL FORMULARIO PRINCIPAL"));

  auto* titleGroup = new QGroupBox(QStringLiteral(" Título del fondo de la aplicación: "), this);
  m_titleColourButton =
      Named(new QPushButton(QStringLiteral("Color del título"), titleGroup), "btnColorTitulo");
  m_titleText = Named(new QLineEdit(titleGroup), "edtEtiqueta");
  m_companyTitle =
      Named(new QCheckBox(QStringLiteral("Usar el título de la empresa"), titleGroup), "chkTituloEmpresa");
  auto* tg = new QGridLayout(titleGroup);
  tg->addWidget(m_titleColourButton, 0, 0);
  tg->addWidget(new QLabel(QStringLiteral("Etiqueta:"), titleGroup), 1, 0);
  tg->addWidget(m_titleText, 1, 1);
  tg->addWidget(m_companyTitle, 2, 0, 1, 2);

  auto* backGroup = new QGroupBox(QStringLiteral(" Fondo de la aplicación: "), this);
  m_showPicture =
      Named(new QCheckBox(QStringLiteral("Mostrar imagen predefinida"), backGroup), "chkImagenPredefinida");
  m_backgroundColourButton =
      Named(new QPushButton(QStringLiteral("Color del fondo"), backGroup), "btnColorFondo");
  m_findFile = Named(new QPushButton(QStringLiteral("Buscar archivo"), backGroup), "btnBuscarArchivo");
  m_clearFile = Named(new QPushButton(QStringLiteral("Borrar"), backGroup), "btnBorrar");
  m_fileName = Named(new QLineEdit(backGroup), "edtArchivo");
  m_companyLogo = Named(new QCheckBox(QStringLiteral("Usar la imagen configurada en la empresa"), backGroup),
                        "chkImagenEmpresa");
  auto* bg = new QGridLayout(backGroup);
  bg->addWidget(m_showPicture, 0, 0);
  bg->addWidget(m_backgroundColourButton, 0, 1);
  bg->addWidget(new QLabel(QStringLiteral("Archivo:"), backGroup), 1, 0);
  bg->addWidget(m_fileName, 1, 1, 1, 2);
  bg->addWidget(m_findFile, 2, 1);
  bg->addWidget(m_clearFile, 2, 2);
  bg->addWidget(m_companyLogo, 3, 0, 1, 3);

  m_titleAbove = Named(new QCheckBox(QStringLiteral("Título encima de la imagen"), this), "chkTituloEncima");
  m_fitPicture =
      Named(new QCheckBox(QStringLiteral("Ajustar el tamaño de la imagen"), this), "chkAjustarImagen");

  auto* modeGroup = new QGroupBox(QStringLiteral("MODO DE TRABAJO:"), this);
  m_mdi = Named(new QCheckBox(QStringLiteral("Estilo MDI (múltiples ventanas)"), modeGroup), "chkMDI");
  m_autoAlign = Named(new QCheckBox(QStringLiteral("Alinear automáticamente"), modeGroup), "chkAlinear");
  m_remember = Named(new QCheckBox(QStringLiteral("Recordar el modo de trabajo"), modeGroup), "chkRecordar");
  auto* mg = new QVBoxLayout(modeGroup);
  mg->addWidget(m_mdi);
  mg->addWidget(m_autoAlign);
  mg->addWidget(m_remember);

  m_defaults = Named(new QPushButton(QStringLiteral("Valores por Defecto"), this), "btnDefecto");
  m_preview = Named(new QLabel(this), "imgPreview");
  m_preview->setFixedSize(400, 300);
  // accept() stores the settings; the row's "Aceptar" always closes with OK.
  QDialogButtonBox* buttons = AcceptCancelButtons(this, [] { return true; });

  auto* left = new QVBoxLayout;
  left->addWidget(titleGroup);
  left->addWidget(backGroup);
  left->addWidget(m_titleAbove);
  left->addWidget(m_fitPicture);
  left->addWidget(modeGroup);
  auto* grid = new QGridLayout(this);
  grid->addLayout(left, 0, 0, 2, 1);
  grid->addWidget(m_preview, 0, 1, Qt::AlignTop);
  grid->addWidget(m_defaults, 1, 1, Qt::AlignBottom | Qt::AlignLeft);
  grid->addWidget(buttons, 2, 0, 1, 2);

  m_mdi->setEnabled(allowsMdi);
  m_mdi->setChecked(allowsMdi && mdi);
  m_remember->setChecked(m_ini.ReadBool(kInit, kRemember, false));
  Load(prm);

  for (QCheckBox* box :
       {m_companyTitle, m_showPicture, m_companyLogo, m_titleAbove, m_fitPicture, m_mdi, m_autoAlign})
    connect(box, &QCheckBox::toggled, this, &TCCFRMConfMenuLevel0Ext::Changed);
  for (QLineEdit* edit : {m_titleText, m_fileName})
    connect(edit, &QLineEdit::textChanged, this, &TCCFRMConfMenuLevel0Ext::Changed);
  connect(m_titleColourButton, &QPushButton::clicked, this, &TCCFRMConfMenuLevel0Ext::ChooseTitleColour);
  connect(m_backgroundColourButton, &QPushButton::clicked, this,
          &TCCFRMConfMenuLevel0Ext::ChooseBackgroundColour);
  connect(m_findFile, &QPushButton::clicked, this, &TCCFRMConfMenuLevel0Ext::ChooseFile);
  connect(m_clearFile, &QPushButton::clicked, m_fileName, &QLineEdit::clear);
  connect(m_defaults, &QPushButton::clicked, this, &TCCFRMConfMenuLevel0Ext::SetDefaults);

  BPLTranslate().Execute(this, QStringLiteral("CC_TCCFRMConfMenuLevel0Ext"));
  Changed();
}

TCCFRMConfMenuLevel0Ext::~TCCFRMConfMenuLevel0Ext() = default;

bool TCCFRMConfMenuLevel0Ext::MdiChosen() const { return m_mdi->isChecked(); }

void TCCFRMConfMenuLevel0Ext::Load(const TParametres& from) {
  m_loading = true;
  m_titleColour =
      from.AsInteger(QStringLiteral("PRMGENColorTextoTitulo"), MainWindowSettings::kTitleColourDefault);
  m_backgroundColour = from.AsInteger(QStringLiteral("PRMGENColorFondoImagen"),
                                      NumberFromColor(AppImages().BackgroundColour()));
  m_titleText->setText(from.AsString(QStringLiteral("PRMTituloAplicacion")));
  m_companyTitle->setChecked(from.AsBoolean(QStringLiteral("PRMUsarTituloEmpresa"), true));
  m_showPicture->setChecked(from.AsBoolean(QStringLiteral("PRMMostrarImageBackground"), true));
  m_fileName->setText(from.AsString(QStringLiteral("PRMLogoFileName")));
  m_companyLogo->setChecked(from.AsBoolean(QStringLiteral("PRMUsarLogoEmpresa"), true));
  m_titleAbove->setChecked(from.AsBoolean(QStringLiteral("PRMTituloEncimaImagen"), false));
  m_fitPicture->setChecked(from.AsBoolean(QStringLiteral("PRMAjustarImagenFondo"), false));
  m_autoAlign->setChecked(from.AsBoolean(QStringLiteral("PRMMDIAlinearAutomatico"), false));
  m_loading = false;
}

void TCCFRMConfMenuLevel0Ext::Store(TParametres& to) const {
  auto store = [&to](const char* name, const QVariant& value) {
    to.AddParam(QString::fromLatin1(name), value, true);
  };
  store("PRMTituloAplicacion", m_titleText->text());
  store("PRMUsarTituloEmpresa", m_companyTitle->isChecked());
  store("PRMLogoFileName", m_fileName->text());
  store("PRMUsarLogoEmpresa", m_companyLogo->isChecked());
  store("PRMGENColorTextoTitulo", m_titleColour);
  store("PRMGENColorFondoImagen", m_backgroundColour);
  store("PRMAjustarImagenFondo", m_fitPicture->isChecked());
  store("PRMTituloEncimaImagen", m_titleAbove->isChecked());
  store("PRMMostrarImageBackground", m_showPicture->isChecked());
  store("PRMMDIAlinearAutomatico", m_autoAlign->isChecked());
}

void TCCFRMConfMenuLevel0Ext::Changed() {
  if (m_loading) return;
  m_backgroundColourButton->setEnabled(!m_showPicture->isChecked());
  m_autoAlign->setEnabled(m_mdi->isChecked());
  ShowColour(m_titleColourButton, m_titleColour);
  ShowColour(m_backgroundColourButton, m_backgroundColour);
  TParametres scratch;
  Store(scratch);
  m_painter->ApplySettings(scratch, m_company);
  m_previewImage = m_painter->Render(TZULAppPaintBackGround::kPreviewSize);
  if (m_mdi->isChecked()) {
    QPainter p(&m_previewImage);
    AppImages().DrawMdiFormGrid(p, QRect(40, 90, 360, 250));
    AppImages().DrawMdiFormGrid(p, QRect(230, 200, 380, 260));
  }
  m_preview->setPixmap(QPixmap::fromImage(
      m_previewImage.scaled(m_preview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TCCFRMConfMenuLevel0Ext::ChooseTitleColour() {
  const QColor c = m_chooseColour(ColorFromNumber(m_titleColour), this);
  if (!c.isValid()) return;
  m_titleColour = NumberFromColor(c);
  Changed();
}

void TCCFRMConfMenuLevel0Ext::ChooseBackgroundColour() {
  const QColor c = m_chooseColour(ColorFromNumber(m_backgroundColour), this);
  if (!c.isValid()) return;
  m_backgroundColour = NumberFromColor(c);
  Changed();
}

void TCCFRMConfMenuLevel0Ext::ChooseFile() {
  const QString current = m_fileName->text();
  const QString name = m_chooseFile(current.isEmpty() ? QString() : QFileInfo(current).absolutePath(), this);
  if (!name.isEmpty()) m_fileName->setText(name);
}

void TCCFRMConfMenuLevel0Ext::SetDefaults() {
  TParametres defaults;  // every read falls back to its default; the window style stays
  const bool align = m_autoAlign->isChecked();
  Load(defaults);
  m_loading = true;
  m_autoAlign->setChecked(align);
  m_loading = false;
  Changed();
}

void TCCFRMConfMenuLevel0Ext::accept() {
  Store(m_prm);
  m_ini.WriteBool(kInit, kRemember, m_remember->isChecked());
  QDialog::accept();
}
