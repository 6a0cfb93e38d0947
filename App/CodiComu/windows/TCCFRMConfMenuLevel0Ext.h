#pragma once
// The main-window settings dialog: title, background picture or colour, logo file,
// window style, with an 800 x 600 preview that follows every change. OK writes the
// framework parameters and "INIT"/"RememberMDIOption"; the caller applies the window
// style (MdiChosen) and repaints.

#include <QDialog>
#include <functional>
#include <memory>

#include "App/CodiComu/windows/TZULAppPaintBackGround.h"
#include "platform/zul/TParametres.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TIniFile;

class TCCFRMConfMenuLevel0Ext : public QDialog {
  Q_OBJECT
public:
  // Asks for a colour (starting from the current one) or a picture file (starting
  // in a folder); an invalid colour or an empty name means cancelled. Replaceable so
  // tests need no modal dialog.
  using ColourChooser = std::function<QColor(const QColor&, QWidget*)>;
  using FileChooser = std::function<QString(const QString& folder, QWidget*)>;

  // company: the open database's look (nullptr without one).
  TCCFRMConfMenuLevel0Ext(TParametres& prm, TIniFile& ini, const TCompanyLook* company,
                          const QString& appName, bool allowsMdi, bool mdi, QWidget* parent = nullptr);
  ~TCCFRMConfMenuLevel0Ext() override;

  void SetColourChooser(ColourChooser chooser) { m_chooseColour = std::move(chooser); }
  void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

  bool MdiChosen() const;
  // The 800 x 600 preview as last drawn (with sample child windows in MDI style).
  const QImage& PreviewImage() const { return m_previewImage; }
  const TZULAppPaintBackGround& Painter() const { return *m_painter; }

  void ChooseTitleColour();
  void ChooseBackgroundColour();
  void ChooseFile();
  void SetDefaults();
  // OK: writes the parameters and the remember option, then closes.
  void accept() override;

private:
  void Load(const TParametres& from);
  void Store(TParametres& to) const;
  void Changed();

  TParametres& m_prm;
  TIniFile& m_ini;
  const TCompanyLook* m_company;
  std::unique_ptr<TZULAppPaintBackGround> m_painter;
  ColourChooser m_chooseColour;
  FileChooser m_chooseFile;
  int m_titleColour = 0;
  int m_backgroundColour = 0;
  bool m_loading = false;
  QImage m_previewImage;

  QLineEdit* m_titleText;
  QCheckBox* m_companyTitle;
  QPushButton* m_titleColourButton;
  QCheckBox* m_showPicture;
  QPushButton* m_backgroundColourButton;
  QLineEdit* m_fileName;
  QPushButton* m_findFile;
  QPushButton* m_clearFile;
  QCheckBox* m_companyLogo;
  QCheckBox* m_titleAbove;
  QCheckBox* m_fitPicture;
  QCheckBox* m_mdi;
  QCheckBox* m_autoAlign;
  QCheckBox* m_remember;
  QPushButton* m_defaults;
  QLabel* m_preview;
};
