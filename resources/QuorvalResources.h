// Registers the pictures of resources.qrc (":/splash.jpg", ":/logo.png",
// ":/report-logo.jpg", ":/icon.png") with Qt's resource system.
#pragma once

// A static library's resources are only linked in when something refers to
// them, so every program and test that shows a picture calls this once before
// its first window. Calling it again does no harm.
void initQuorvalResources();
