      * PROCEDURE DIVISION : SEE THE PROGRAM ITSELF
       01  CM-FIRST.
           05  CM-A            PIC X(4).
      * PROCEDURE DIVISION IS ELSEWHERE
           05  CM-B            PIC 9(3).
      * PROCEDURE DIVISION : THE NEXT RECORD MUST STILL BE READ
       01  CM-SECOND.
           05  CM-C            PIC X(7).
