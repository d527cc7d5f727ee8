; Instruments whose type has no description file of their own: the
; measurement stream only, no settings and no calibration table.
[Piro_Option]
PiroType=Пирометр
Dilimiter=/
AprocCodeNum=0
Bitmap=PiroU.png

[Buttons]
acStartStop=0
acBodyTemp=0
acSettings=0
acTimeSynchro=0
acOff=0

[GraphMods]
GModsCount=1
GMods0Title=Температура
GMods0LinesCount=1
GMods0Line0=Температура
GMods0Line0Dim=T°C

[LEDs]
LEDCount=0
