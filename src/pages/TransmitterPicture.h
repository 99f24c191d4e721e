#pragma once

#include <QString>
#include <QWidget>
#include <string_view>

class QSvgRenderer;

// The picture of a transmitter type's family, as a resource path: the tray transmitters
// (FC), the hand-held ones (FF), the FX, the pistol grip T3PK, and a CamPac module for a
// type the program does not know.
QString PictureOfType(std::string_view typeName);

// Draws one of those pictures as large as the widget allows, keeping its proportions.
class TransmitterPicture : public QWidget {
    Q_OBJECT
  public:
    explicit TransmitterPicture(QWidget* parent);
    ~TransmitterPicture() override;

    void Show(const QString& picture);
    const QString& picture() const { return picture_; }
    // The picture as drawn at the widget's size.
    QImage Rendered() const;

    QSize sizeHint() const override { return {240, 180}; }
    QSize minimumSizeHint() const override { return {120, 90}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRectF PictureRect() const;

    QString picture_;
    QSvgRenderer* renderer_;
};
