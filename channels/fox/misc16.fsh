KESTRO placeholder graphics
channel folder: fox
file: misc16.fsh
