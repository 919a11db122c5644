#include "app/images.hpp"

#include <QImageReader>

#include <array>

// The pictures live in a static library, whose resource table the linker keeps only when
// something calls its initialiser; that call has to be made outside any namespace.
static void InitImageResources()
{
    Q_INIT_RESOURCE(images);
}

namespace lumtaris {

namespace {

void EnsureResources()
{
    static const bool loaded = (InitImageResources(), true);
    (void)loaded;
}

// Resource names by InsurerIndex.
constexpr std::array<const char*, kInsurerCount> kLogoResources{
    ":/images/logo_ozp.png", ":/images/logo_zps.png", ":/images/logo_rbp.png",
    ":/images/logo_cpzp.png", ":/images/logo_vozp.png"};

// Every picture is a PNG, which Qt reads itself. Named as such, the reader does not load each
// image format plugin first to ask whether it reads PNG too, which would slow the first dialog.
QPixmap LoadPng(const QString& resource)
{
    EnsureResources();
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QPixmap BannerPicture()
{
    return LoadPng(QStringLiteral(":/images/banner.png"));
}

QPixmap InsurerLogo(InsurerIndex insurer)
{
    return LoadPng(QString::fromLatin1(kLogoResources.at(insurer)));
}

} // namespace lumtaris
