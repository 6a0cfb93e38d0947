#pragma once
// The composed background of the main window: a base colour, the background
// picture, the logo (the company's or a chosen picture), the large title and the
// name badge in the bottom-right corner, drawn into an image of the area's size.
// Qt Gui only: the main window and the settings preview show what Render draws.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class TAppImages;
class TParametres;

// The company's look while a database is open ("EmpresaNombre", "EmpresaLogo").
struct TCompanyLook {
  QString name;
  QString logoFile;
};

class TZULAppPaintBackGround {
public:
  enum TLayer { lyPicture = 0, lyLogo = 1, lyBadge = 2, lyTitle = 3, kLayerCount = 4 };

  explicit TZULAppPaintBackGround(const QString& appName, const TAppImages& images);

  // Settings (each one lays the layers out again at the next Render).
  int LogoFitMode() const { return m_logoFitMode; }
  void SetLogoFitMode(int mode) { m_logoFitMode = mode; }
  int PictureFitMode() const { return m_pictureFitMode; }
  void SetPictureFitMode(int mode) { m_pictureFitMode = mode; }
  bool TitleAbovePicture() const { return m_titleAbove; }
  void SetTitleAbovePicture(bool above) { m_titleAbove = above; }
  QString Title() const { return m_title; }
  void SetTitle(const QString& title);
  QColor TitleColour() const { return m_titleColour; }
  void SetTitleColour(const QColor& colour);
  QColor BackgroundColour() const { return m_backgroundColour; }
  void SetBackgroundColour(const QColor& colour) { m_backgroundColour = colour; }
  bool ShowPredefinedPicture() const { return m_showPicture; }
  void SetShowPredefinedPicture(bool show) { m_showPicture = show; }
  // Loads the file when the name changed: a missing or unreadable file clears the logo.
  QString LogoFile() const { return m_logoFile; }
  void SetLogoFile(const QString& fileName);
  const QImage& Logo() const { return m_layers[lyLogo].image; }

  // Reads the main-window settings from the parameters; company is the open
  // database's look, nullptr when no database is open.
  void ApplySettings(const TParametres& prm, const TCompanyLook* company);
  // The same from the framework parameters and the shared application parameters.
  void ApplySettings();

  // Places the layers for an area of this size and draws everything.
  QImage Render(QSize area);
  // Where a layer was placed by the last Render; an empty rectangle when hidden.
  QRect LayerRect(TLayer layer) const;
  const QImage& LayerImage(TLayer layer) const { return m_layers[layer].image; }

  static constexpr QSize kPreviewSize{800, 600};

private:
  struct Layer {
    QImage image;
    QRect rect;
    bool visible = false;
  };
  void BuildPicture();
  void BuildBadge();
  void BuildTitle();
  void Layout(QSize area);

  QString m_appName;
  const TAppImages& m_images;
  Layer m_layers[kLayerCount];
  int m_logoFitMode = 4;
  int m_pictureFitMode = 4;
  bool m_titleAbove = true;
  QString m_title;
  QString m_logoFile;
  QColor m_titleColour = QColor::fromRgba(0);
  QColor m_backgroundColour;
  bool m_showPicture = true;
};

// The main-window settings with their defaults, and the writing back of the values
// read (or the defaults) as saved framework parameters.
namespace MainWindowSettings {
inline constexpr int kTitleColourDefault = 12615680;
void StoreWithDefaults(TParametres& prm, const TAppImages& images);
}  // namespace MainWindowSettings
