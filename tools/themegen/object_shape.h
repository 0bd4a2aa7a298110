#pragma once

// Every figure the shipped themes carry. The toys belong to the meadow, the tools to the workshop.
enum class ObjectShape {
    Ball,
    Star,
    Heart,
    Diamond,
    Triangle,
    Cross,
    Nut,
    Washer,
    Gear,
    Bolt,
    Key,
    Wrench,
    Hammer,
    Screwdriver,
    SetSquare,
    Lightning,
    Magnet,
    Crescent,
};
