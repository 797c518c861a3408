#pragma once

// Makes the course package the executable carries readable under ":/course"
// (":/course/30000" is the descriptor). Safe to call more than once; returns
// false when the package cannot be registered.
bool registerEmbeddedCourse();
