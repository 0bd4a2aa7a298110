#pragma once

// The button codes the pointer handlers of both programs receive.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
