#include "platform/scripted_dialogs.h"

namespace {
QVariant take(QVariantList& answers) {
    if (answers.isEmpty())
        return {};
    return answers.takeFirst();
}
} // namespace

void ScriptedDialogs::message(const QString& text) {
    shown << text;
    kinds << QStringLiteral("message");
    if (onMessage)
        onMessage(text);
}

void ScriptedDialogs::report(const QString& text, const QStringList& items) {
    message(items.isEmpty()
                ? text
                : text + QStringLiteral("\r\n\r\n") + items.join(QStringLiteral("\r\n")));
}

void ScriptedDialogs::notice(const QString& text) {
    message(text);
}

bool ScriptedDialogs::askYesNo(const QString& text) {
    shown << text;
    kinds << QStringLiteral("yesno");
    return take(answers).toBool();
}

Dialogs::Answer ScriptedDialogs::askYesNoCancel(const QString& text) {
    shown << text;
    kinds << QStringLiteral("yesnocancel");
    const QVariant answer = take(answers);
    if (answer.toString() == QLatin1String("cancel"))
        return Answer::Cancel;
    return answer.toBool() ? Answer::Yes : Answer::No;
}

bool ScriptedDialogs::askYesNoList(const QString& text, const QStringList& items) {
    return askYesNo(text + QStringLiteral("\r\n\r\n") + items.join(QStringLiteral("\r\n")));
}

QString ScriptedDialogs::input(const QString& prompt, const QString& defaultAnswer) {
    shown << prompt;
    kinds << QStringLiteral("input");
    lastDefault = defaultAnswer;
    return take(answers).toString();
}

QString ScriptedDialogs::openFile(const QString& title, const QString& fileName, const QString&,
                                  const QString&) {
    shown << title;
    kinds << QStringLiteral("openFile");
    lastDefault = fileName;
    const QVariant a = take(answers);
    return a.isValid() ? a.toString() : fileName;
}

QStringList ScriptedDialogs::openFiles(const QString& title, const QString& folder,
                                       const QString&) {
    shown << title;
    kinds << QStringLiteral("openFiles");
    lastDefault = folder;
    const QVariant a = take(answers);
    if (a.typeId() == QMetaType::QStringList)
        return a.toStringList();
    if (a.typeId() == QMetaType::QString && !a.toString().isEmpty())
        return {a.toString()};
    return {};
}

QString ScriptedDialogs::saveFile(const QString& title, const QString& fileName, const QString&,
                                  const QString&) {
    shown << title;
    kinds << QStringLiteral("saveFile");
    lastDefault = fileName;
    return take(answers).toString();
}

QString ScriptedDialogs::pickFolder(const QString& title, QWidget*) {
    shown << title;
    kinds << QStringLiteral("pickFolder");
    return take(answers).toString();
}

QStringList ScriptedDialogs::messages() const {
    QStringList out;
    for (int i = 0; i < shown.size(); ++i)
        if (kinds.at(i) == QLatin1String("message"))
            out << shown.at(i);
    return out;
}
