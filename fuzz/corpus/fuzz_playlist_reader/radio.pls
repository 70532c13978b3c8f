[playlist]
File1=http://127.0.0.1:8000/
Title1=Radio
File3=mms://127.0.0.1/x
Title2=orphan
NumberOfEntries=3
