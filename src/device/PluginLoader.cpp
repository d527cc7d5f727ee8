#include "device/PluginLoader.h"

#include "device/Pirometr.h"
#include "device/PluginForm.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>

QStringList PluginLibraryCandidates(const QString& exeDir, const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    if (name.isEmpty())
        return {};
    const QString base = exeDir + QLatin1Char('/') + folder;
    // Description files name the Windows library; one file serves both
    // platforms, so "X.dll" stands for the shared object of the same base name.
    if (name.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive)) {
        const QString stem = name.left(name.size() - 4);
        return {base + QLatin1String("lib") + stem + QLatin1String(".so"),
                base + stem + QLatin1String(".so")};
    }
    return {base + name};
}

QString PluginLibraryFile(const QString& exeDir, const QString& path)
{
    for (const QString& candidate : PluginLibraryCandidates(exeDir, path)) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

void ShowPluginForm(const QString& exeDir, const QString& path, QWidget* owner,
                    TCommPortDriver& port, TPirometr& model)
{
    const QString file = PluginLibraryFile(exeDir, path);
    QLibrary library(file);
    if (file.isEmpty() || !library.load()) {
        MessageDlg(QStringLiteral("Библиотека ") + path + QStringLiteral(" не найдена."),
                   DlgType::Error, MsgButtons::OK);
        return;
    }
    const auto showForm = reinterpret_cast<TShowForm>(library.resolve(ShowFormExportName));
    if (!showForm) {
        MessageDlg(QStringLiteral("Ошибка доступа к библиотеке ") + path, DlgType::Error,
                   MsgButtons::OK);
        library.unload();
        return;
    }
    // There is one Qt in the process and so one application object, which
    // the plug-in shares rather than borrows.
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    showForm(owner, app, &port, &model.Signature);
    // Timers and port events run on while the form is open; a disconnection
    // in that time frees the model, which must then stay untouched.
    if (Pirometr() == &model)
        model.LinkAlive = true;
    library.unload();
}
