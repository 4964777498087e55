#pragma once
// Stands in front of Qt's own header while velloran_formats is compiled.
#error "velloran_formats reads and decodes data without widgets: include no QtWidgets header there"
