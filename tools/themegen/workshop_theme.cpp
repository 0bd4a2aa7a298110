#include "workshop_theme.h"

#include "row_layout.h"
#include "workshop_scene.h"

ThemePlan workshopThemePlan()
{
    const int width = 512;
    const int height = 384;
    const WorkshopFurniture furniture{196, 326, 372, QRect(382, 40, 116, 72)};

    ThemePlan plan;
    plan.name = "Workshop";
    plan.background = paintWorkshopScene(width, height, furniture);
    plan.objects = tubesInRow({{ObjectShape::Nut, 34, 30},
                               {ObjectShape::Washer, 32, 32},
                               {ObjectShape::Gear, 40, 40},
                               {ObjectShape::Bolt, 20, 46},
                               {ObjectShape::Key, 46, 22},
                               {ObjectShape::Crescent, 28, 38}},
                              10, 4, furniture.shelfTop);
    const std::vector<PlannedObject> benchRow = tubesInRow({{ObjectShape::Wrench, 48, 20},
                                                            {ObjectShape::Hammer, 36, 44},
                                                            {ObjectShape::Screwdriver, 18, 48},
                                                            {ObjectShape::SetSquare, 44, 40},
                                                            {ObjectShape::Lightning, 28, 46},
                                                            {ObjectShape::Magnet, 34, 40}},
                                                           8, 4, furniture.benchTop);
    plan.objects.insert(plan.objects.end(), benchRow.begin(), benchRow.end());
    plan.boxStyle = BoxStyle::Toolbox;
    plan.boxWidth = furniture.boxSpot.width();
    plan.boxHeight = furniture.boxSpot.height();
    plan.boxX = furniture.boxSpot.x();
    plan.boxY = furniture.boxSpot.y();
    plan.description =
        "Twelve pieces are lying about the workshop, packed close together.\r\nPut every one away into the "
        "tool "
        "box on the high shelf.";
    plan.dateLine = kShippedDateLine;
    return plan;
}
