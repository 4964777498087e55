#pragma once
// Answers the modal dialogs that a GUI test provokes and remembers what they
// showed: message boxes are closed with their Ok button, file dialogs get the
// next queued answer (a path, or an empty text to cancel).

#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

struct SeenDialog
{
    QString kind;   // "message" or "file"
    QString title;
    QString text;   // message text, or the file dialog's start directory
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons standardButtons;
    QStringList nameFilters;   // file dialog filters
};

class ModalWatcher : public QObject
{
    Q_OBJECT
public:
    explicit ModalWatcher(QObject *parent = nullptr);
    ~ModalWatcher() override;

    // Answers for the next file dialogs, in order; an empty text cancels.
    QStringList fileAnswers;
    QList<SeenDialog> seen;

    QStringList messageTexts() const;

private slots:
    void poll();

private:
    QTimer m_timer;
};
