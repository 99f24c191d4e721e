#include "pages/TransmitterPicture.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a static library: their resources are registered once by hand.
static void RegisterPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

QString PictureOfType(std::string_view typeName) {
    if (typeName.starts_with("FC")) {
        return QStringLiteral(":/pictures/fc.svg");
    }
    if (typeName.starts_with("FF")) {
        return QStringLiteral(":/pictures/ff.svg");
    }
    if (typeName.starts_with("FX")) {
        return QStringLiteral(":/pictures/fx.svg");
    }
    if (typeName.starts_with("T3")) {
        return QStringLiteral(":/pictures/t3pk.svg");
    }
    return QStringLiteral(":/pictures/campac.svg");
}

TransmitterPicture::TransmitterPicture(QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(this)) {
    RegisterPictures();
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

TransmitterPicture::~TransmitterPicture() = default;

void TransmitterPicture::Show(const QString& picture) {
    if (picture == picture_) {
        return;
    }
    picture_ = picture;
    renderer_->load(picture);
    update();
}

QRectF TransmitterPicture::PictureRect() const {
    QSizeF size = renderer_->defaultSize();
    if (size.isEmpty()) {
        return {};
    }
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    return {QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

QImage TransmitterPicture::Rendered() const {
    QImage image(size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer_->render(&painter, PictureRect());
    return image;
}

void TransmitterPicture::paintEvent(QPaintEvent* /*event*/) {
    if (renderer_->isValid()) {
        QPainter painter(this);
        renderer_->render(&painter, PictureRect());
    }
}
