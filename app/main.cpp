#include "app/GameRegistration.h"
#include "core/launcher/frmSelect.h"
#include "platform/Audio.h"

#include "SoundModuleFingerprint.h"

#include <QApplication>
#include <dlfcn.h>
#include <thread>

namespace {
// Reading the font configuration and caches is the largest part of the launcher's start-up that an
// empty window does not pay. Qt's own font library is loaded with Qt, so its set-up can run while Qt
// connects to the display; where Qt uses no such library there is nothing to start early.
std::thread readFontConfiguration()
{
    using Init = int (*)();
    if (auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        return std::thread(init);
    return {};
}
} // namespace

int main(int argc, char* argv[])
{
    std::thread fonts = readFontConfiguration();
    QApplication app(argc, argv);
    if (fonts.joinable())
        fonts.join(); // done before the first text needs it
    QApplication::setApplicationName(QStringLiteral("Corvanta's Parlour"));
    platform::setSoundModule(QString(), {BuiltSoundModuleSize, BuiltSoundModuleSha256});
    registerGames();
    auto* launcher = new frmSelect;
    launcher->show();
    return QApplication::exec();
}
