#include "edit_history.h"

#include <unordered_set>
#include <utility>

namespace {

// One step: the states around it, put back whole by undo and redo.
class StateStep : public QUndoCommand {
public:
    StateStep(const std::string& name, EditorState before, EditorState after,
              std::function<void(const EditorState&)> restore)
        : QUndoCommand(QString::fromStdString(name)),
          m_before(std::move(before)),
          m_after(std::move(after)),
          m_restore(std::move(restore))
    {
    }

    void undo() override { m_restore(m_before); }
    void redo() override
    {
        // The stack makes a step as it is pushed; this one was made by the editor already.
        if (m_pushed)
            m_restore(m_after);
        m_pushed = true;
    }

    const EditorState& before() const { return m_before; }
    const EditorState& after() const { return m_after; }

private:
    EditorState m_before;
    EditorState m_after;
    std::function<void(const EditorState&)> m_restore;
    bool m_pushed = false;
};

std::optional<std::string> stepName(bool exists, const QString& text)
{
    if (!exists)
        return std::nullopt;
    return text.toStdString();
}

}  // namespace

EditHistory::EditHistory(std::function<void(const EditorState&)> restore) : m_restore(std::move(restore))
{
    m_steps.setUndoLimit(kMostUndoSteps);
}

void EditHistory::record(const std::string& name, EditorState before, EditorState after)
{
    m_steps.push(new StateStep(name, std::move(before), std::move(after), m_restore));
}

void EditHistory::undo()
{
    m_steps.undo();
}

void EditHistory::redo()
{
    m_steps.redo();
}

void EditHistory::clear()
{
    m_steps.clear();
}

std::optional<std::string> EditHistory::undoStep() const
{
    return stepName(m_steps.canUndo(), m_steps.undoText());
}

std::optional<std::string> EditHistory::redoStep() const
{
    return stepName(m_steps.canRedo(), m_steps.redoText());
}

void EditHistory::shareHeldPictures(Workspace& workspace, const Workspace& before) const
{
    // Each picture held once, told apart by where its pixels lie.
    std::unordered_set<const Rgb*> seen;
    std::vector<const Surface*> held;
    const auto hold = [&](const Surface& picture) {
        if (!picture.isEmpty() && seen.insert(picture.row(0)).second)
            held.push_back(&picture);
    };
    forEachPicture(before, hold);
    for (int i = 0; i < m_steps.count(); ++i) {
        const auto* step = static_cast<const StateStep*>(m_steps.command(i));
        forEachPicture(step->before().workspace, hold);
        forEachPicture(step->after().workspace, hold);
    }
    forEachPicture(workspace, [&](Surface& picture) {
        if (picture.isEmpty() || seen.count(std::as_const(picture).row(0)))
            return;
        for (const Surface* known : held) {
            if (*known == picture) {
                picture = *known;
                return;
            }
        }
    });
}
