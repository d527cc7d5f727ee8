#pragma once
// Inside the device library: the two hooks the command wrapper runs.
#include <functional>

class TCommPortDriver;

int RunPirCommand(TCommPortDriver& Port, int Code, unsigned char* Data, int Capacity, int& DataLength);
void RunDisconnectHandler();
