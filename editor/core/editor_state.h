#pragma once

#include "object_list.h"
#include "workspace.h"

// What a step of the editor changes, and what its undo gives back whole: the workspace (pictures, masks, tubes,
// positions, the current object, the canvas's size) and the object list's rows and mark. Copies share their
// pictures, so a state costs little more than its positions.
struct EditorState {
    Workspace workspace;
    ObjectList list;
};

// Equal in every picture, position, size, mark and text.
bool operator==(const EditorState& a, const EditorState& b);
inline bool operator!=(const EditorState& a, const EditorState& b)
{
    return !(a == b);
}

// Calls `visit` with every picture of the workspace: the background, the box and its mask, and each object's four.
template <typename AnyWorkspace, typename Visit>
void forEachPicture(AnyWorkspace& workspace, Visit visit)
{
    visit(workspace.background);
    visit(workspace.box);
    visit(workspace.boxMask);
    for (auto& object : workspace.objects) {
        visit(object.picture);
        visit(object.mask);
        visit(object.tube);
        visit(object.tubeMask);
    }
}
