#include "editor_state.h"

#include <tuple>

namespace {

auto fieldsOf(const ThemeDescription& d)
{
    return std::tie(d.name, d.description, d.dateLine);
}

bool sameDescription(const std::optional<ThemeDescription>& a, const std::optional<ThemeDescription>& b)
{
    return a.has_value() == b.has_value() && (!a || fieldsOf(*a) == fieldsOf(*b));
}

auto fieldsOf(const Workspace& w)
{
    return std::tie(w.objectX, w.objectY, w.tubeX, w.tubeY, w.boxX, w.boxY, w.showBox, w.currentObject, w.objects,
                    w.background, w.box, w.boxMask, w.canvasWidth, w.canvasHeight);
}

auto fieldsOf(const ObjectList& l)
{
    return std::tie(l.rows, l.marked, l.panelHeight);
}

}  // namespace

bool operator==(const EditorState& a, const EditorState& b)
{
    return fieldsOf(a.workspace) == fieldsOf(b.workspace) &&
           sameDescription(a.workspace.themeDescription, b.workspace.themeDescription) &&
           fieldsOf(a.list) == fieldsOf(b.list);
}
