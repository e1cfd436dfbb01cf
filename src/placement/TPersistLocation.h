#pragma once

// Where a window's placement is kept.
enum TPersistLocation { plIniFile = 0, plRegistry = 1 };
