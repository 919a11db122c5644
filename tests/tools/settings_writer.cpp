// A second program on the same settings file: what a closing copy of Lumtaris writes, as a
// separate process. Usage: settings_writer FILE NAME VALUE
// It writes the integer NAME = VALUE to the main key, then replaces the subject history.

#include "settings/file_key_qt.hpp"
#include "settings/settings_store.hpp"
#include "subject/subject_history.hpp"

#include <QCoreApplication>
#include <QString>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return 2;
    lumtaris::FileSettingsBackend backend(args[1]);
    const auto main = backend.OpenOrCreate(lumtaris::kMainKeyPath);
    const auto subject = backend.OpenOrCreate(lumtaris::kSubjectKeyPath);
    lumtaris::RegWriteInteger(*main, args[2].toStdString(), args[3].toInt());
    lumtaris::SubjectHistory history;
    history.AppendIC_OJ("12345678 - " + args[3].right(2).rightJustified(2, '0').toStdString());
    history.SaveSubjektToReg(*subject);
    return 0;
}
