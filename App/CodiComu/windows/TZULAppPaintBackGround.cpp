#include "App/CodiComu/windows/TZULAppPaintBackGround.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/windows/AppPaint.h"
#include "App/CodiComu/windows/TAppImages.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"

namespace {

// Arial 8 and 36 points at 96 dots per inch, in pixels so the layout does not depend
// on the screen.
QFont BoldArial(int pixels) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

}  // namespace

TZULAppPaintBackGround::TZULAppPaintBackGround(const QString& appName, const TAppImages& images)
    : m_appName(appName), m_images(images), m_backgroundColour(images.BackgroundColour()) {
  BuildPicture();
  BuildBadge();
}

// Without a background picture the plain canvas stands in, with the application image
// faintly in the middle (4/7 of the canvas), all in grey.
void TZULAppPaintBackGround::BuildPicture() {
  if (!m_images.Background().isNull() || m_images.MainFormBackground().isNull()) {
    m_layers[lyPicture].image = m_images.Background();
    return;
  }
  QImage canvas = m_images.MainFormBackground().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage& image = m_images.ApplicationImage();
  if (!image.isNull()) {
    const QSize box(canvas.width() * 4 / 7, canvas.height() * 4 / 7);
    const QRect fitted =
        FitRect(image.size(), box, 3, true)
            .translated((canvas.width() - box.width()) / 2, (canvas.height() - box.height()) / 2);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setOpacity(64.0 / 255.0);
    p.drawImage(fitted, image);
  }
  m_layers[lyPicture].image =
      canvas.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
}

void TZULAppPaintBackGround::BuildBadge() {
  const QFont font = BoldArial(11);
  const QFontMetrics fm(font);
  const int stripW = std::max(fm.horizontalAdvance(m_appName), 100) + 10;
  const int stripH = fm.height() + 6;
  const QImage& logo = m_images.ApplicationImage();
  const double scale = logo.width() > 0 ? double(stripW) / logo.width() : 1.0;
  const QSize imageSize(int(std::lround(logo.width() * scale)), int(std::lround(logo.height() * scale)));

  QImage badge(stripW, imageSize.height() + stripH, QImage::Format_ARGB32_Premultiplied);
  badge.fill(Qt::transparent);
  {
    QPainter p(&badge);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!logo.isNull()) p.drawImage(FitRect(logo.size(), imageSize, 4, true), logo);
    p.fillRect(QRect(0, imageSize.height(), stripW, stripH), Qt::black);
  }
  DrawTextAligned(badge, QRect(0, imageSize.height(), stripW, stripH), Qt::white, m_appName, 1, 2, font);
  m_layers[lyBadge].image = badge;
}

void TZULAppPaintBackGround::BuildTitle() {
  if (m_title.isEmpty()) {
    m_layers[lyTitle].image = QImage();
    return;
  }
  const QFont font = BoldArial(48);
  const QFontMetrics fm(font);
  QImage title(std::max(fm.horizontalAdvance(m_title), 1), fm.height(), QImage::Format_ARGB32_Premultiplied);
  title.fill(Qt::transparent);
  DrawTextAligned(title, title.rect(), m_titleColour, m_title, 0, 0, font);
  m_layers[lyTitle].image = title;
}

void TZULAppPaintBackGround::SetTitle(const QString& title) {
  if (title == m_title) return;
  m_title = title;
  BuildTitle();
}

void TZULAppPaintBackGround::SetTitleColour(const QColor& colour) {
  if (colour == m_titleColour) return;
  m_titleColour = colour;
  BuildTitle();
}

void TZULAppPaintBackGround::SetLogoFile(const QString& fileName) {
  if (fileName == m_logoFile) return;
  m_logoFile = fileName;
  QImage logo;
  if (!fileName.isEmpty() && QFileInfo::exists(fileName)) logo.load(fileName);  // unreadable: stays empty
  m_layers[lyLogo].image = logo;
}

void TZULAppPaintBackGround::Layout(QSize area) {
  const QRect whole(QPoint(0, 0), area);
  Layer& picture = m_layers[lyPicture];
  picture.visible = m_showPicture && !picture.image.isNull();
  if (picture.visible) picture.rect = FitRect(picture.image.size(), area, m_pictureFitMode, true);

  QRect logoArea = whole;
  Layer& title = m_layers[lyTitle];
  title.visible = !title.image.isNull();
  if (title.visible) {
    const int h = title.image.height();
    title.rect = FitRect(title.image.size(), QSize(area.width(), h), 4, true);
    if (m_titleAbove) logoArea.setTop(h);
  }

  Layer& logo = m_layers[lyLogo];
  logo.visible = !logo.image.isNull();
  if (logo.visible)
    logo.rect =
        FitRect(logo.image.size(), logoArea.size(), m_logoFitMode, true).translated(logoArea.topLeft());

  Layer& badge = m_layers[lyBadge];
  badge.visible = !badge.image.isNull();
  badge.rect = QRect(QPoint(0, 0), badge.image.size());
  badge.rect.moveBottomRight(QPoint(area.width() - 1 - 10, area.height() - 1 - 10));
}

QImage TZULAppPaintBackGround::Render(QSize area) {
  Layout(area);
  QImage out(area, QImage::Format_ARGB32_Premultiplied);
  out.fill(m_showPicture ? m_images.BackgroundColour() : m_backgroundColour);
  QPainter p(&out);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const Layer& layer : m_layers)
    if (layer.visible) p.drawImage(layer.rect, layer.image);
  return out;
}

QRect TZULAppPaintBackGround::LayerRect(TLayer layer) const {
  return m_layers[layer].visible ? m_layers[layer].rect : QRect();
}

void TZULAppPaintBackGround::ApplySettings(const TParametres& prm, const TCompanyLook* company) {
  const bool companyLogo = prm.AsBoolean(QStringLiteral("PRMUsarLogoEmpresa"), true);
  SetLogoFile(!companyLogo ? prm.AsString(QStringLiteral("PRMLogoFileName"))
              : company    ? company->logoFile
                           : QString());
  const bool companyTitle = prm.AsBoolean(QStringLiteral("PRMUsarTituloEmpresa"), true);
  SetTitle(!companyTitle ? prm.AsString(QStringLiteral("PRMTituloAplicacion"))
           : company     ? company->name
                         : QString());
  SetTitleColour(ColorFromNumber(
      prm.AsInteger(QStringLiteral("PRMGENColorTextoTitulo"), MainWindowSettings::kTitleColourDefault)));
  SetLogoFitMode(prm.AsBoolean(QStringLiteral("PRMAjustarImagenFondo"), false) ? 3 : 4);
  SetTitleAbovePicture(prm.AsBoolean(QStringLiteral("PRMTituloEncimaImagen"), false));
  SetBackgroundColour(ColorFromNumber(
      prm.AsInteger(QStringLiteral("PRMGENColorFondoImagen"), NumberFromColor(m_images.BackgroundColour()))));
  SetShowPredefinedPicture(prm.AsBoolean(QStringLiteral("PRMMostrarImageBackground"), true));
}

void TZULAppPaintBackGround::ApplySettings() {
  TParametrosApp& app = ParametrosApp();
  TDataBaseZUL* db = app.DataBase();
  if (db && db->IsOpen()) {
    const TCompanyLook look{app.GetString(QStringLiteral("EmpresaNombre"), QString()),
                            app.GetString(QStringLiteral("EmpresaLogo"), QString())};
    ApplySettings(Parametres(), &look);
  } else {
    ApplySettings(Parametres(), nullptr);
  }
}

void MainWindowSettings::StoreWithDefaults(TParametres& prm, const TAppImages& images) {
  auto store = [&prm](const char* name, const QVariant& value) {
    prm.AddParam(QString::fromLatin1(name), value, true);
  };
  store("PRMTituloAplicacion", prm.AsString(QStringLiteral("PRMTituloAplicacion")));
  store("PRMUsarTituloEmpresa", prm.AsBoolean(QStringLiteral("PRMUsarTituloEmpresa"), true));
  store("PRMLogoFileName", prm.AsString(QStringLiteral("PRMLogoFileName")));
  store("PRMUsarLogoEmpresa", prm.AsBoolean(QStringLiteral("PRMUsarLogoEmpresa"), true));
  store("PRMGENColorTextoTitulo",
        prm.AsInteger(QStringLiteral("PRMGENColorTextoTitulo"), kTitleColourDefault));
  store("PRMGENColorFondoImagen",
        prm.AsInteger(QStringLiteral("PRMGENColorFondoImagen"), NumberFromColor(images.BackgroundColour())));
  store("PRMAjustarImagenFondo", prm.AsBoolean(QStringLiteral("PRMAjustarImagenFondo"), false));
  store("PRMTituloEncimaImagen", prm.AsBoolean(QStringLiteral("PRMTituloEncimaImagen"), false));
}
