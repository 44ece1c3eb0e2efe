#include "platform/qt/qt_prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace velocarta {

namespace {

QMessageBox::Icon IconOf(Icon icon) {
    switch (icon) {
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case Buttons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

Answer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Cancel:
            return Answer::Cancel;
        case QMessageBox::Retry:
            return Answer::Retry;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Ok;
    }
}

}  // namespace

Answer QtPrompter::show(const Message& message) {
    // The texts keep their CR LF line breaks; the label wants plain line feeds.
    QString text = QString::fromStdString(message.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(IconOf(message.icon), QString::fromStdString(message.title), text,
                    ButtonsOf(message.buttons), QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (message.systemModal) {
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    // Closing the box with Escape or its close button answers the safe way.
    if (message.buttons == Buttons::OkCancel || message.buttons == Buttons::RetryCancel) {
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (message.buttons == Buttons::YesNo) {
        box.setEscapeButton(QMessageBox::No);
    }
    return AnswerOf(box.exec());
}

}  // namespace velocarta
