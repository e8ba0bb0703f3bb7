#pragma once

// What a window does after an input handler has changed the model: the handlers never call the
// window themselves, so that they can be tested without one.
enum class WindowAction { Nothing, Redraw, Close };
