#pragma once

#include <QApplication>

// The application object: shows an exception that escapes an event handler in a
// critical message box and carries on, and ends the program cleanly on SIGTERM
// or SIGINT (as at a session's logout).
class GameApplication : public QApplication {
    Q_OBJECT
public:
    GameApplication(int& argc, char** argv);
    ~GameApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // The standard exception display.
    static void showException(const QString& message);

private:
    void watchTerminationSignals();
};
