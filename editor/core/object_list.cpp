#include "object_list.h"

std::string rowCaption(int row)
{
    return "Object " + std::to_string(row + 1);
}

void rebuildObjectList(ObjectList& list, int objectCount)
{
    trimListToFirstRow(list);
    list.rows = objectCount;
}

void trimListToFirstRow(ObjectList& list)
{
    list.rows = 1;
    if (list.marked && *list.marked > 0)
        list.marked.reset();
}
