#pragma once

#include "startup/InstanceChannel.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

// Jotwell's command line:
//   jotwell [FOLDER]          works in FOLDER, or in the current folder
//   jotwell --data-folder     works in the desktop session's notes folder
//   jotwell --new-note | --new-alarm   the same, then starts a new note or alarm
//   jotwell --autostart on|off
class LaunchOptions
{
public:
    enum class Action { Run, AutostartOn, AutostartOff };

    // What the arguments ask for once they are understood.
    struct Request
    {
        Action action = Action::Run;
        // For Run: the absolute folder the notes live in; empty when it is
        // the current folder and that cannot be named.
        QString folder;
        // For Run: whether the folder is to be created when absent (the
        // session's notes folder is; a folder the user names must exist).
        bool createFolder = false;
        // For Run: what the Jotwell of that folder is to do, be it this one or
        // one already running there.
        InstanceChannel::Request start = InstanceChannel::Request::Open;
    };

    LaunchOptions();

    QCommandLineParser &parser() { return m_parser; }

    // After the parser has read the arguments: the request, or false with a
    // sentence for the user in *error. currentFolder resolves a relative
    // FOLDER; dataFolder is the session's notes folder.
    bool interpret(const QString &currentFolder, const QString &dataFolder, Request *request, QString *error) const;

    // ${XDG_DATA_HOME:-~/.local/share}/jotwell.
    static QString sessionDataFolder();

    // The process's current folder, or empty with a sentence for the user in
    // *error when it cannot be named (a path longer than the system allows).
    static QString currentFolder(QString *error = nullptr);

    // Makes sure the request's folder is there (creating it when the request
    // says so) and makes it the current folder; else false with a sentence
    // for the user naming the folder and the reason. An empty folder is the
    // current folder that could not be named.
    static bool prepareFolder(const Request &request, QString *error);

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_dataFolder;
    QCommandLineOption m_autostart;
    QCommandLineOption m_newNote;
    QCommandLineOption m_newAlarm;
};
