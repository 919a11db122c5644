#include "app/images.hpp"

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

} // namespace

QPixmap BannerPicture()
{
    EnsureResources();
    return QPixmap(QStringLiteral(":/images/banner.png"));
}

QPixmap InsurerLogo(InsurerIndex insurer)
{
    EnsureResources();
    return QPixmap(QString::fromLatin1(kLogoResources.at(insurer)));
}

} // namespace lumtaris
