#pragma once

class RadioHost;
class QWidget;

// File > Print..., Print Preview... and Export PDF...: the data on screen as
// its programming sheet, after the choice of what goes on it.
enum class PrintWay { Print, Preview, Pdf };
void PrintSheet(RadioHost& host, PrintWay way, QWidget* parent);
