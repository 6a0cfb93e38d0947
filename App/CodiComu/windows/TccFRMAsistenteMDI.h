#pragma once
// The window-style assistant shown at the first start: single window or multiple
// windows. The choice goes to "INIT"/"MDI" and the remember box to
// "INIT"/"RememberMDIOption" of the INI file given (the caller saves the file).

#include <QDialog>
#include <QImage>

class QCheckBox;
class QLabel;
class QPushButton;
class TIniFile;

class TccFRMAsistenteMDI : public QDialog {
  Q_OBJECT
public:
  // background: the picture the preview shows when no choice is hovered.
  TccFRMAsistenteMDI(TIniFile& ini, const QString& appName, const QImage& background,
                     QWidget* parent = nullptr);

  QPushButton* SingleButton() const { return m_single; }
  QPushButton* MultipleButton() const { return m_multiple; }
  QCheckBox* RememberBox() const { return m_remember; }
  QLabel* Preview() const { return m_preview; }

  // The sample pictures: 0 multiple windows, 1 single window (drawn over a background).
  static QImage SamplePicture(const QImage& background, bool multiple);

protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Choose(bool mdi);
  void ShowPreview(const QImage& image);

  TIniFile& m_ini;
  QImage m_background;
  QImage m_samples[2];
  QPushButton* m_single;
  QPushButton* m_multiple;
  QCheckBox* m_remember;
  QLabel* m_preview;
};
