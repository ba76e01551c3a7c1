#pragma once
// The tool tips that tell what a main window control is for where its caption does not, and
// why a disabled one is disabled.
namespace pistaro {

class MainWindow;

void explainControls(MainWindow& window);

} // namespace pistaro
