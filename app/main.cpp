// ТРЕЛОН-2: creates the application, starts the program and its six screens in order, then
// runs the event loop until the main window closes.
#include "gui/QtDialogs.h"
#include "screens/MainForm.h"
#include "screens/NastrForm.h"
#include "screens/ParamForm.h"
#include "screens/ParamSpForm.h"
#include "screens/ProgramStart.h"
#include "screens/RezultForm.h"
#include "screens/StimulusForm.h"
#include "state/SharedState.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ТРЕЛОН-2"));
    // Qt's own dialogs (the folder choice) in Russian, like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }

    trelon::SharedState state;
    state.paths.ProgramDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    trelon::QtDialogs dialogs;

    trelon::TMainForm mainForm(state, dialogs);
    dialogs.setParentWindow(&mainForm);
    if (!trelon::startProgram(state, dialogs, QGuiApplication::primaryScreen()->size())) {
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
    return QApplication::exec();
}
