; ПСЦ-2: two-wavelength (spectral ratio) pyrometer; its calibration table
; holds two codes per row, and it can stream the converter codes instead of
; the temperature.
[Piro_Option]
PiroType=ПСЦ-2
Dilimiter=/
AprocCodeNum=2
Bitmap=Piro32.png

[Buttons]
acStartStop=1
acBodyTemp=1
acSettings=1
acTimeSynchro=1
acOff=1
acServCom=1
acSaveSignature=1
frmSettings=Mirandel.dll
frmSaveSignature=PiroSignature.dll

[GraphMods]
GModsCount=2
GMods0Title=Температура
GMods0LinesCount=1
GMods0Line0=Температура
GMods0Line0Dim=T°C
GMods1Title=Коды с АЦП
GMods1LinesCount=3
GMods1Line0=Код канала 1
GMods1Line0Dim=ед.
GMods1Line1=Код канала 2
GMods1Line1Dim=ед.
GMods1Line2=Отношение кодов
GMods1Line2Dim=о.е.

[LEDs]
LEDCount=4
LEDCap1=Tизм<Tmin
LEDCap2=Tизм>Tmax
LEDCap3=Ткорпуса >Ткорпуса max
LEDCap4=Слабый сигнал
LEDCap5=
LEDCap6=
