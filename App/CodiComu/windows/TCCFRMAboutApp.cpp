#include "App/CodiComu/windows/TCCFRMAboutApp.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "App/CodiComu/windows/TAppImages.h"
#include "platform/translate/TZULTranslate.h"

namespace {
constexpr int kImageSize = 96;
constexpr int kFamilySize = 32;

QPixmap Picture(const QImage& image, int size) {
  if (image.isNull()) return QPixmap();
  return QPixmap::fromImage(image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
}  // namespace

TCCFRMAboutApp::TCCFRMAboutApp(const TAboutAppInfo& info, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CCFRMAboutApp"));

  QLabel* image = NewLabel("imgAplicacion");
  image->setFixedSize(kImageSize, kImageSize);
  image->setAlignment(Qt::AlignCenter);
  QLabel* name = NewLabel("lblNombre");
  QFont bold = name->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.4);
  name->setFont(bold);
  QLabel* description = NewLabel("lblDescripcion");
  description->setWordWrap(true);
  QLabel* build = NewLabel("lblBuild");

  auto* product = new QVBoxLayout;
  product->addStretch();
  product->addWidget(name);
  product->addWidget(description);
  product->addWidget(build);
  product->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(image, 0, Qt::AlignTop);
  top->addSpacing(8);
  top->addLayout(product, 1);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);

  QLabel* family = NewLabel("imgFamilia");
  family->setFixedSize(kImageSize, kFamilySize);  // centred under the application image
  family->setAlignment(Qt::AlignCenter);
  QLabel* framework = NewLabel("lblZUL");
  QFont frameworkFont = framework->font();
  frameworkFont.setBold(true);
  framework->setFont(frameworkFont);

  auto* memory = new QGridLayout;
  memory->setColumnStretch(2, 1);
  const struct {
    const char* caption;
    const char* captionText;
    const char* value;
    QString text;
  } rows[] = {
      {"lblMemoriaFisica", "Memoria física:", "lblMemoriaFisicaValor", info.PhysicalText()},
      {"lblMemoriaVirtual", "Memoria virtual:", "lblMemoriaVirtualValor", info.VirtualText()},
      {"lblVirtualDisponible", "Virtual disponible:", "lblVirtualDisponibleValor", info.AvailableText()},
  };
  QList<QPair<QLabel*, QString>> values;
  for (int i = 0; i < 3; ++i) {
    memory->addWidget(NewLabel(rows[i].caption, QString::fromUtf8(rows[i].captionText)), i, 0);
    QLabel* value = NewLabel(rows[i].value);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    memory->addWidget(value, i, 1);
    values.append({value, rows[i].text});
  }
  QLabel* system = NewLabel("lblSistema");

  // The family image beside the framework, memory and system lines, as the
  // application image beside the product lines.
  auto* details = new QVBoxLayout;
  details->addWidget(framework);
  details->addLayout(memory);
  details->addWidget(system);
  auto* frameworkRow = new QHBoxLayout;
  frameworkRow->addWidget(family, 0, Qt::AlignTop);
  frameworkRow->addSpacing(8);
  frameworkRow->addLayout(details, 1);

  QLabel* web = NewLabel("lblWeb");
  web->setOpenExternalLinks(true);

  auto* buttons = new QDialogButtonBox(this);
  auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(line);
  layout->addLayout(frameworkRow);
  layout->addSpacing(4);
  layout->addWidget(web, 0, Qt::AlignHCenter);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  BPLTranslate().Execute(this, QStringLiteral("CC_TCCFRMAboutApp"));

  // What the run shows, after the translation of the fixed captions.
  setWindowTitle(info.title);
  image->setPixmap(Picture(AppImages().ApplicationImage(), kImageSize));
  name->setText(info.name);
  description->setText(info.description);
  build->setText(info.BuildText());
  family->setPixmap(Picture(AppImages().Family(), kFamilySize));
  framework->setText(info.FrameworkText());
  for (const auto& [label, text] : values) label->setText(text);
  system->setText(info.SystemLine());
  system->setVisible(info.HasSystemLine());
  web->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(WebAddress()));
}

QString TCCFRMAboutApp::WebAddress() { return QStringLiteral("https://www.lumaresca.es"); }

QLabel* TCCFRMAboutApp::NewLabel(const char* name, const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}
