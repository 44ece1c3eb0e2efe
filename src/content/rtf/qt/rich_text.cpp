#include "content/rtf/qt/rich_text.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTextDocument>
#include <string>

#include "content/rtf/reader.h"

namespace velocarta {

void LoadRtfFile(const QString& hostPath, QTextDocument& document) {
    const QString name = QFileInfo(hostPath).fileName();
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        throw RichTextError(QStringLiteral("The document %1 cannot be read: %2.")
                                .arg(name, file.errorString())
                                .toStdString());
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw RichTextError(QStringLiteral("The document %1 cannot be read: %2.")
                                .arg(name, file.errorString())
                                .toStdString());
    }
    rtf::Document model;
    try {
        model =
            rtf::Read(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const rtf::NotRtfError& error) {
        throw RichTextError(
            QStringLiteral("The document %1 cannot be shown. ").arg(name).toStdString() +
            error.what());
    }
    BuildTextDocument(model, document);
}

}  // namespace velocarta
