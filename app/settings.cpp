#include "app/settings.h"

#include "app/host.h"

Text settings_file_path() { return RunDirectory() + "\\搜索器设置信息1.4.ini"; }
