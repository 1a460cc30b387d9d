#pragma once

// Makes the launcher the place every game goes back to when it ends.
void installHome();

// Starts Playhaven: the logon dialog is the first and only window.
void startPlayhaven();
