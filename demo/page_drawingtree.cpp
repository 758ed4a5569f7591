// Demo page "drawingtree": the drawset types and drawsets of a drawing file, with a display
// parameter filled into the names, one type expanded and a drawset current.

#include "demopage.h"

#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"

#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbkeyvaluelist.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>
#include <vector>

namespace {
// A small drawing file held in memory.
class DemoType : public IOrbDrawsetType
{
public:
    DemoType(const QString& name, int elementType, int order) : m_name(name), m_elementType(elementType), m_order(order) {}
    void beginUpdate() override {}
    void endUpdate() override {}
    int elementType() override { return m_elementType; }
    void name(QString& out) override { out = m_name; }
    void setName(const QString& value) override { m_name = value; }
    int orderNum() override { return m_order; }
    void setOrderNum(int value) override { m_order = value; }
    QString m_name;
    int m_elementType;
    int m_order;
};

class DemoDrawset : public IOrbDrawset
{
public:
    DemoDrawset(IOrbDrawingFile* file, DemoType* type, const QString& name, int id)
        : m_file(file), m_type(type), m_name(name), m_id(id) {}
    void beginUpdate() override {}
    void endUpdate() override {}
    IOrbDrawingFile* drawingFile() override { return m_file; }
    int id() override { return m_id; }
    IOrbDrawsetType* drawsetType() override { return m_type; }
    int orderNum() override { return m_id; }
    void setOrderNum(int) override {}
    void name(QString& out) override { out = m_name; }
    void setName(const QString& value) override { m_name = value; }
    OrbKeyValueList* keyValues() override { return &m_keyValues; }
    const QByteArray& vectorDrawingData() override { return m_drawing; }
    bool isVisible() override { return true; }
    IOrbDrawingFile* m_file;
    DemoType* m_type;
    QString m_name;
    int m_id;
    OrbKeyValueList m_keyValues;
    QByteArray m_drawing;
};

class DemoFile : public IOrbDrawingFile, public IOrbDrawsetTypes, public IOrbDrawsets
{
public:
    DemoFile()
    {
        const struct { const char* type; int elementType; std::vector<const char*> drawsets; } content[] = {
            {"矩形检查井", 5020, {"砖砌矩形检查井 {material}", "混凝土矩形检查井", "矩形跌水井"}},
            {"圆形检查井", 5020, {"砖砌圆形检查井 {material}", "混凝土圆形检查井", "圆形沉泥井"}},
            {"雨水口", 5021, {"平箅式单箅雨水口", "平箅式双箅雨水口", "偏沟式雨水口"}},
            {"化粪池", 5030, {"砖砌化粪池 1#", "钢筋混凝土化粪池 2#"}},
        };
        for (const auto& c : content) {
            m_types.push_back(std::make_unique<DemoType>(QString::fromUtf8(c.type), c.elementType, int(m_types.size())));
            for (const char* d : c.drawsets)
                m_drawsets.push_back(std::make_unique<DemoDrawset>(this, m_types.back().get(), QString::fromUtf8(d),
                                                                   int(m_drawsets.size()) + 1));
        }
    }
    void fileName(QString& out) override { out = QStringLiteral("市政排水.drw"); }
    void elementTypes(QSet<int>& out) override { out.clear(); }
    QSharedPointer<IOrbDataStore> dataStore() override { return {}; }
    IOrbDrawsetTypes* drawsetTypes() override { return this; }
    IOrbDrawsets* drawsets() override { return this; }
    IOrbCodeCatalog* codeCatalog() override { return nullptr; }
    IOrbFieldCatalog* fieldCatalog() override { return nullptr; }
    bool isEditable() override { return true; }
    void getAll(QList<IOrbDrawsetType*>& out, bool) override
    {
        out.clear();
        for (const auto& t : m_types)
            out.append(t.get());
    }
    void getByType(QList<IOrbDrawset*>& out, IOrbDrawsetType* type) override
    {
        out.clear();
        for (const auto& d : m_drawsets)
            if (d->m_type == type)
                out.append(d.get());
    }
    std::vector<std::unique_ptr<DemoType>> m_types;
    std::vector<std::unique_ptr<DemoDrawset>> m_drawsets;
};

QWidget* createPage(const DemoContext&)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* tree = new OrbDrawingTreeWidget(page);
    QMap<QString, QString> params{{QStringLiteral("material"), QStringLiteral("(M7.5 水泥砂浆)")}};
    tree->setDisplayParams(params);
    tree->setDrawingFile(QSharedPointer<IOrbDrawingFile>(new DemoFile));
    OrbDrawingTreeNode* first = tree->getFirstNode(nullptr);
    if (first) {
        tree->expand(first->index());
        tree->setFocusNode(tree->getFirstNode(first));
    }
    auto* caption = new QLabel(page);
    QString fileName;
    tree->drawingFile()->fileName(fileName);
    caption->setText(fileName);
    layout->addWidget(caption);
    layout->addWidget(tree);
    page->resize(360, 420);
    return page;
}
} // namespace

ORB_DEMO_PAGE(drawingtree, QStringLiteral("drawingtree"), QStringLiteral("Drawing tree"), 40, createPage);
