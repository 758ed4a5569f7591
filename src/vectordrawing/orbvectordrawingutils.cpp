#include "orbvectordrawingutils.h"

#include "engine/zvectordrawing.h"

#include <QDomDocument>
#include <QTextStream>

#include <sstream>
#include <string>

void OrbVectorDrawingUtils::loadData(ZVectorDrawing* drawing, const QByteArray& data)
{
    if (!drawing)
        return;
    if (data.isEmpty()) {
        drawing->clear();
        return;
    }
    // The stream starts out holding every byte of data (one allocation, no regrowth while
    // writing); reading starts at the first byte.
    std::stringstream stream(std::string(data.constData(), size_t(data.size())),
                             std::ios::in | std::ios::out | std::ios::binary);
    stream.seekg(0);
    drawing->loadFromStream(&stream);
}

void OrbVectorDrawingUtils::saveData(ZVectorDrawing* drawing, QByteArray& data, EnVDSaveFormat format, bool flag)
{
    if (!drawing)
        return;
    if (format != vdsfXML) {
        // The engine is always asked for its own stream, whatever format and flag were passed.
        std::stringstream stream(std::ios::in | std::ios::out | std::ios::binary);
        drawing->saveToStream(&stream, vdsfStream, false);
        stream.seekg(0, std::ios::end);
        const std::streamoff end = stream.tellg();
        const qint32 size = end > 0 ? qint32(end) : 0;
        stream.seekg(0, std::ios::beg);
        QByteArray bytes(size, Qt::Uninitialized);
        if (size > 0)
            stream.read(bytes.data(), size);
        data = bytes;
        return;
    }

    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                    QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    QDomElement root = doc.createElement(QString::fromStdWString(zvd::STREAM_TAG));
    doc.appendChild(root);
    drawing->saveToXMLNode(root, flag);

    data.clear();
    QTextStream out(&data, QIODevice::WriteOnly | QIODevice::Truncate);
    doc.save(out, 4, QDomNode::EncodingFromDocument);
}
