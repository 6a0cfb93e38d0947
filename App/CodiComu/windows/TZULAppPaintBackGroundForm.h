#pragma once
// The background painter as the main window uses it: attached to the window's client
// area it draws the composed background at the area's size and draws it again when
// the area is resized or a setting changes. In multiple-window style the client area
// is a QMdiArea whose background brush becomes the picture; in single-window style a
// picture child fills the client widget behind everything else. The area's popup
// menu offers "Seleccionar imagen de fondo" and "Ajustar el tamaño de la imagen".

#include <QBrush>
#include <QObject>
#include <QPointer>
#include <QString>

#include "App/CodiComu/windows/TZULAppPaintBackGround.h"

class QLabel;
class QMdiArea;
class QMenu;
class QWidget;

class TZULAppPaintBackGroundForm : public QObject {
  Q_OBJECT
public:
  TZULAppPaintBackGroundForm(const QString& appName, const TAppImages& images, QObject* parent = nullptr);
  ~TZULAppPaintBackGroundForm() override;

  TZULAppPaintBackGround& Painter() { return m_painter; }

  // Attaches to the client area (a QMdiArea: its background; any other widget: a
  // picture child filling it). Attaching again first detaches from the previous one.
  void AttachTo(QWidget* client);
  // Gives the area back its own background.
  void Detach();
  QWidget* Client() const { return m_client; }

  // Draws again at the area's current size.
  void Repaint();
  // Reads the settings (framework parameters, the open database's company) and repaints.
  void ApplySettings();
  // The last picture drawn for the area.
  const QImage& Picture() const { return m_picture; }

  // The popup menu's two items, added to a menu (the area's popup shows them too).
  void AddMenuItems(QMenu& menu);
  // Asks for a picture file: it becomes "PRMLogoFileName" and "PRMUsarLogoEmpresa" is
  // cleared; nothing changes when the person cancels.
  void SelectPicture();
  // Toggles "PRMAjustarImagenFondo".
  void ToggleFitPicture();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QWidget* Surface() const;  // the widget whose size is the area's
  void ShowMenu(const QPoint& pos);

  TZULAppPaintBackGround m_painter;
  QPointer<QWidget> m_client;
  QPointer<QMdiArea> m_mdi;
  QPointer<QLabel> m_label;
  QBrush m_originalBrush;
  Qt::ContextMenuPolicy m_originalPolicy = Qt::DefaultContextMenu;
  QImage m_picture;
};
