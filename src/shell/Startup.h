#pragma once

// Starts Playhaven: the logon dialog is the first and only window.
void startPlayhaven();
