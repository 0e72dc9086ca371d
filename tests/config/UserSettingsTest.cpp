// An installed program's folder belongs to root: what the screens store goes to the user's own
// Class.ini, which wins over the shipped one key by key at the next load.
#include "config/ConfigTestFiles.h"
#include "config/LoadSettings.h"
#include "config/UserFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace trelon;
using namespace trelon::test;

namespace {

// Runs check in a child process as an ordinary user (nobody when the tests run as root, who
// may write anywhere); its exit status, 0 when check held.
int statusAsOrdinaryUser(const std::function<bool()>& check) {
    const pid_t child = fork();
    if (child == 0) {
        const uid_t nobody = 65534;
        if (getuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0)) {
            _exit(2);
        }
        _exit(check() ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(UserSettingsTest, ReadOnlyProgramFolderStoresSettingsForTheUser) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString program = tmp.path() + QStringLiteral("/program/");
    const QString config = tmp.path() + QStringLiteral("/config");
    ASSERT_TRUE(QDir().mkpath(program) && QDir().mkpath(config));
    const QByteArray shipped("[Default]\r\nMM_500Pixel=145\r\nZayac=80\r\n");
    writeBytes(program + QStringLiteral("Class.ini"), shipped);
    const auto readOnly = QFile::ReadOwner | QFile::ReadOther | QFile::ExeOwner | QFile::ExeOther;
    QFile::setPermissions(tmp.path(), readOnly);
    QFile::setPermissions(program, readOnly);
    QFile::setPermissions(config, readOnly | QFile::WriteOwner | QFile::WriteOther);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));

    const int status = statusAsOrdinaryUser([&] {
        Settings s;
        return programSettingsReadOnly(program) &&
               WriteSettings(program, {{QStringLiteral("MM_500Pixel"), QStringLiteral("160")}})
                   .ok() &&
               LoadSettings(s, program).ok() && s.MmPerPixel == 0.32 &&
               s.PictureFactors[PicZayac] == 0.8 &&
               // A bad value of the user's file names that file.
               WriteSettings(program, {{QStringLiteral("kp"), QStringLiteral("x")}}).ok() &&
               LoadSettings(s, program).error.contains(userSettingsFilePath());
    });
    const QString userFile = userSettingsFilePath();
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(program + QStringLiteral("Class.ini")), shipped);
    EXPECT_TRUE(userFile.startsWith(config));
    EXPECT_EQ(readBytes(userFile), QByteArray("[Default]\r\nMM_500Pixel=160\r\nkp=x\r\n"));
    QFile::setPermissions(program, readOnly | QFile::WriteOwner);
    QFile::setPermissions(tmp.path(), readOnly | QFile::WriteOwner);
}
