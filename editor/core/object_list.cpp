#include "object_list.h"

std::string rowCaption(int row)
{
    return "Object " + std::to_string(row + 1);
}

void rebuildObjectList(ObjectList& list, int objectCount)
{
    trimListToFirstRow(list);
    while (list.rows() < objectCount)
        addListRow(list);
}

void addListRow(ObjectList& list)
{
    list.labels.push_back(list.labels.front());
}

void trimListToFirstRow(ObjectList& list)
{
    list.labels.resize(1);
    if (list.marked && *list.marked > 0)
        list.marked.reset();
}
