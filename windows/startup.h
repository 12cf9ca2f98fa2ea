#pragma once

namespace tappon {

class Application;

// Opens the program's first window.
void startProgram(Application& app);

}  // namespace tappon
