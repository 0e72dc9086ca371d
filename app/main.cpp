// ТРЕЛОН-2: creates the application, starts the program and its six screens in order, then
// runs the event loop until the main window closes.
#include "common/FileSystem.h"
#include "config/UserFiles.h"
#include "gui/ProgramIdentity.h"
#include "gui/QtDialogs.h"
#include "gui/QtSoundPlayer.h"
#include "gui/ScreenGeometry.h"
#include "screens/MainForm.h"
#include "screens/NastrForm.h"
#include "screens/ParamForm.h"
#include "screens/ParamSpForm.h"
#include "screens/ProgramStart.h"
#include "screens/RezultForm.h"
#include "screens/StimulusForm.h"
#include "state/SharedState.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

const char* const kUsage =
    "Использование: trelon2 [параметры]\n"
    "Диагностика и лечение косоглазия на анаглифическом стимуле.\n"
    "\n"
    "  --data-folder ПАПКА  папка данных пациентов для этого пользователя (запоминается);\n"
    "                       нужна, когда папку программы нельзя записать\n"
    "  --quit-after-start   закончить работу сразу после запуска (проверка установки)\n"
    "  -h, --help           показать эту справку и выйти\n"
    "  -v, --version        показать версию и выйти\n";

struct Options {
    std::optional<QString> dataFolder;
    bool quitAfterStart = false;
};

// The command line, read before anything is created: help and version print and end the
// program without a display or any folder. nullopt: the program ends with exitCode.
std::optional<Options> readOptions(int argc, char** argv, int& exitCode) {
    Options options;
    exitCode = 0;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
            std::fputs(kUsage, stdout);
            return std::nullopt;
        }
        if (std::strcmp(arg, "-v") == 0 || std::strcmp(arg, "--version") == 0) {
            std::printf("%s %s\n", trelon::kProgramTitle.toUtf8().constData(), TRELON_VERSION);
            return std::nullopt;
        }
        if (std::strcmp(arg, "--quit-after-start") == 0) {
            options.quitAfterStart = true;
        } else if (std::strcmp(arg, "--data-folder") == 0 && i + 1 < argc) {
            options.dataFolder = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strncmp(arg, "-", 1) == 0) {
            std::fprintf(stderr, "trelon2: неизвестный параметр %s\n\n%s", arg, kUsage);
            exitCode = 2;
            return std::nullopt;
        }
    }
    return options;
}

// The folder of the settings, texts, pictures and sounds: the program's own folder when they
// are beside it (a build tree, a copied folder), else the installed share/trelon2.
QString programFolder() {
    const QString own = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString installed = QDir::cleanPath(own + QStringLiteral("../share/trelon2")) + u'/';
    if (!trelon::existsIgnoringCase(own, QStringLiteral("lake.bmp")) &&
        trelon::existsIgnoringCase(installed, QStringLiteral("lake.bmp"))) {
        return installed;
    }
    return own;
}

// The program's icon: the desktop theme's, else the drawn one beside the program.
QIcon programIcon() {
    const QString icons = QCoreApplication::applicationDirPath() +
                          QStringLiteral("/../share/icons/hicolor/256x256/apps/") +
                          trelon::kDesktopFileName + QStringLiteral(".png");
    return QIcon::fromTheme(trelon::kDesktopFileName, QIcon(icons));
}

// Once the start-up has settled: a notice when sounds are wanted but nothing can play them.
// Waits for any dialog of the start-up (the folder choice) to close first.
void noticeMissingSound(const trelon::SharedState& state, trelon::Dialogs& dialogs,
                        QObject* owner) {
    auto* check = new QTimer(owner);
    QObject::connect(check, &QTimer::timeout, owner, [check, &state, &dialogs] {
        if (QApplication::activeModalWidget() != nullptr) {
            return;
        }
        check->stop();
        check->deleteLater();
        if (state.SoundOn && !trelon::soundOutputAvailable()) {
            const QString notice = QStringLiteral(
                "Звук включён, но устройство вывода звука не найдено: звуков не будет слышно.");
            std::fprintf(stderr, "trelon2: %s\n", notice.toUtf8().constData());
            dialogs.information(notice);
        }
    });
    check->start(300);
}

// --quit-after-start: shortly after the start, closes whatever dialog is open and ends the
// event loop, until the program has ended.
void quitAfterStart(QObject* owner) {
    auto* quit = new QTimer(owner);
    QObject::connect(quit, &QTimer::timeout, owner, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
        QCoreApplication::quit();
    });
    quit->start(2000);
}

} // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const std::optional<Options> options = readOptions(argc, argv, exitCode);
    if (!options) {
        return exitCode;
    }
    QApplication app(argc, argv);
    // Latin names for the window class, the desktop entry and the per-user folders.
    QApplication::setApplicationName(trelon::kApplicationName);
    QApplication::setOrganizationName(trelon::kOrganisationName);
    QApplication::setApplicationVersion(QStringLiteral(TRELON_VERSION));
    QGuiApplication::setDesktopFileName(trelon::kDesktopFileName);
    QApplication::setWindowIcon(programIcon());
    // Qt's own dialogs (the folder choice) in Russian, like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }
    if (options->dataFolder) {
        const QString folder = QDir(*options->dataFolder).absolutePath();
        if (!QDir().mkpath(folder) || !trelon::rememberDataFolder(folder).ok()) {
            std::fprintf(stderr, "trelon2: папку данных %s нельзя использовать\n",
                         qPrintable(folder));
            return 1;
        }
    }

    trelon::SharedState state;
    state.paths.ProgramDir = programFolder();
    trelon::QtDialogs dialogs;

    trelon::TMainForm mainForm(state, dialogs);
    dialogs.setParentWindow(&mainForm);
    if (options->quitAfterStart) {
        quitAfterStart(&mainForm);
    }
    if (!trelon::startProgram(state, dialogs, trelon::screenOf(&mainForm)->size())) {
        return 0;
    }
    trelon::TFormParamSp formParamSp(state, &mainForm);
    trelon::TNastrForm nastrForm(state, &mainForm);
    trelon::TFormParam formParam(state, &mainForm);
    trelon::TFormRezult formRezult(state, dialogs, &mainForm);
    trelon::TForm1 form1(state, dialogs, &mainForm);
    mainForm.setScreens({&formParamSp, &nastrForm, &formParam, &formRezult});
    formParam.setScreens(&nastrForm, &formParamSp, &form1);
    formParam.setDialogs(dialogs);
    formParamSp.setDialogs(dialogs);
    nastrForm.setDialogs(dialogs);
    formParam.setPatientBoxes([&mainForm] {
        return trelon::PatientBoxes{mainForm.patients().selectedName(),
                                    mainForm.patients().numberText()};
    });

    mainForm.showMaximisedWindow();
    noticeMissingSound(state, dialogs, &mainForm);
    return QApplication::exec();
}
