// Display names with placeholders: the first line holds display parameters ("key=value" items
// joined by ";"), every further line is a type or drawset name run through the tree's placeholder
// substitution and, split at its first TAB, an option list and a key for the option lookup.

#include "fuzzsupport.h"

#include "drawingtree/orbdrawingtreewidget.h"

#include "drawingdata/orbkeyvaluelist.h"

#include <cstdint>
#include <type_traits>
#include <cstdlib>

// The tree's name helpers are private and nothing else hands them arbitrary text. An explicit
// instantiation may name private members, so these templates hand out pointers to them.
using DisplayNameFn = QString (OrbDrawingTreeWidget::*)(QString&);
using OptionValueFn = QString (OrbDrawingTreeWidget::*)(const QString&, const QString&);
template <typename Fn, Fn Member, int N>
struct Expose
{
    friend Fn exposed(std::integral_constant<int, N>) { return Member; }
};
DisplayNameFn exposed(std::integral_constant<int, 0>);
OptionValueFn exposed(std::integral_constant<int, 1>);
template struct Expose<DisplayNameFn, &OrbDrawingTreeWidget::getDisplayName, 0>;
template struct Expose<OptionValueFn, &OrbDrawingTreeWidget::getOptionValue, 1>;

namespace {
void run(OrbDrawingTreeWidget& tree, const QStringList& lines)
{
    const DisplayNameFn displayName = exposed(std::integral_constant<int, 0>());
    const OptionValueFn optionValue = exposed(std::integral_constant<int, 1>());
    for (int i = 1; i < lines.size(); ++i) {
        QString name = lines.at(i);
        (tree.*displayName)(name);
        const int tab = lines.at(i).indexOf(QLatin1Char('\t'));
        (tree.*optionValue)(lines.at(i).left(tab), tab < 0 ? QString() : lines.at(i).mid(tab + 1));
    }
}
} // namespace

namespace {
OrbDrawingTreeWidget* g_tree = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    orbfuzz::init(argc, argv);
    g_tree = new OrbDrawingTreeWidget;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const QStringList lines = text.split(QLatin1Char('\n'));
    OrbKeyValueList list;
    list.loadFromString(lines.first(), QLatin1Char(';'));
    QMap<QString, QString> params;
    for (const QString& key : list.keys())
        params.insert(key, list.getValue(key).toString());
    g_tree->setDisplayParams(params);
    run(*g_tree, lines);
    return 0;
}
