#include "vectordrawing/orbvectordrawingutils.h"

#include "common/orbfileutils.h"
#include "engine/zvectordrawing.h"
#include "engine/zvectordrawingeditor.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QEvent>
#include <QLabel>
#include <QTextStream>

#include <sstream>
#include <streambuf>
#include <string>

namespace {
// A short text over a drawing view that keeps covering the whole view as it is resized.
class DamagedNotice : public QLabel
{
public:
    explicit DamagedNotice(QWidget* view) : QLabel(view)
    {
        setObjectName(QStringLiteral("damagedNotice"));
        setText(QCoreApplication::translate("OrbDrawingWidgets", "图形数据已损坏，无法显示"));
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(view->rect());
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return QLabel::eventFilter(watched, event);
    }
};

// Reads a byte array in place: copying a large drawing into a stringstream (twice, through a
// std::string) cost as much as parsing it. Seekable, so the engine reads it in one piece.
class ByteArrayBuffer : public std::streambuf
{
public:
    explicit ByteArrayBuffer(const QByteArray& data)
    {
        // Never written: the buffer has no put area.
        char* begin = const_cast<char*>(data.constData());
        setg(begin, begin, begin + data.size());
    }

protected:
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode which) override
    {
        off_type base = 0;
        if (dir == std::ios_base::cur)
            base = gptr() - eback();
        else if (dir == std::ios_base::end)
            base = egptr() - eback();
        return seekpos(pos_type(base + off), which);
    }

    pos_type seekpos(pos_type pos, std::ios_base::openmode which) override
    {
        const off_type at = off_type(pos);
        if (!(which & std::ios_base::in) || at < 0 || at > egptr() - eback())
            return pos_type(off_type(-1));
        setg(eback(), eback() + at, egptr());
        return pos;
    }
};
} // namespace

void OrbVectorDrawingUtils::showDamagedNotice(QWidget* view, bool damaged)
{
    if (!view)
        return;
    auto* notice = view->findChild<QLabel*>(QStringLiteral("damagedNotice"), Qt::FindDirectChildrenOnly);
    if (!damaged) {
        if (notice)
            notice->hide();
        return;
    }
    if (!notice)
        notice = new DamagedNotice(view);
    notice->raise();
    notice->show();
}

bool OrbVectorDrawingUtils::loadData(ZVectorDrawing* drawing, const QByteArray& data)
{
    if (!drawing)
        return false;
    if (data.isEmpty()) {
        drawing->clear();
        return true;
    }
    ByteArrayBuffer buffer(data);
    std::iostream stream(&buffer);
    return drawing->loadFromStream(&stream);
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

void OrbVectorDrawingUtils::preferFontBeside(ZVectorDrawingEditor* editor, const QString& fileName)
{
    const QString font = editor->defaultFont();
    if (font.contains(fileName, Qt::CaseInsensitive))
        return;
    const QString preferred = QFileInfo(font).dir().absolutePath() + QStringLiteral("//") + fileName;
    if (fileExists(preferred))
        editor->setDefaultFont(preferred);
}
