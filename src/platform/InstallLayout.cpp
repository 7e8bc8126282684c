#include "platform/InstallLayout.h"

#include <QDir>
#include <QFileInfo>

#ifndef TUNESNIP_INSTALL_CODER_DIR
#define TUNESNIP_INSTALL_CODER_DIR "../libexec/tunesnip"
#endif
#ifndef TUNESNIP_INSTALL_DATA_DIR
#define TUNESNIP_INSTALL_DATA_DIR "../share/tunesnip"
#endif

namespace {
QString under(const QString& appDir, const QString& relative, const QString& name)
{
    return QDir::cleanPath(appDir + QLatin1Char('/') + relative + QLatin1Char('/') + name);
}
}

InstalledTree InstalledTree::ofThisBuild()
{
    return {QStringLiteral(TUNESNIP_INSTALL_CODER_DIR), QStringLiteral("../lib/tunesnip"),
            QStringLiteral(TUNESNIP_INSTALL_DATA_DIR)};
}

ProgramLayout detectLayout(const QString& appDir, const InstalledTree& tree)
{
    if (QFileInfo::exists(appDir + QStringLiteral("/data/coder")))
        return ProgramLayout::Build;
    if (QFileInfo(under(appDir, tree.dataDir, QString())).isDir())
        return ProgramLayout::Installed;
    return ProgramLayout::Build;
}

ProgramFiles locateProgramFiles(const QString& appDir, const InstalledTree& tree)
{
    ProgramFiles f;
    f.layout = detectLayout(appDir, tree);
    if (f.layout == ProgramLayout::Build) {
        f.coder = appDir + QStringLiteral("/data/coder");
        f.soundWav = appDir + QStringLiteral("/sound.wav");
        f.helpFile = appDir + QStringLiteral("/help.html");
        return f;
    }
    f.coder = under(appDir, tree.coderDir, QStringLiteral("coder"));
    if (!QFileInfo::exists(f.coder) && !tree.altCoderDir.isEmpty()) {
        const QString alt = under(appDir, tree.altCoderDir, QStringLiteral("coder"));
        if (QFileInfo::exists(alt))
            f.coder = alt;
    }
    f.soundWav = under(appDir, tree.dataDir, QStringLiteral("sound.wav"));
    f.helpFile = under(appDir, tree.dataDir, QStringLiteral("help.html"));
    return f;
}
