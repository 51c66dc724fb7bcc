#pragma once

#define IDI_VEXMORA 1
