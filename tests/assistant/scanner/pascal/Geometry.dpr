program Geometry;

uses
  SysUtils, Lumbrick, Shapes;

procedure Scenario(const Title: string; Step: Integer);
var
  S: TShape;
  M: TMeasure;
begin
  VIX.Chain := '';
  try
    M.Name := Title;
    case Step of
      1:
        begin
          M.Kind := skCircle;
          M.Radius := 2;
          S := MakeShape(M);
          try
            WriteLn(S.Describe, ' / ', S.Describe(4));
            S.Check;
            S.Check(10);
          finally
            S.Free;
          end;
        end;
      2: S := TCircle.Create(-1);
      3:
        begin
          M.Kind := skSquare;
          M.Side := 3;
          M.Rotated := True;
          S := MakeShape(M);
          WriteLn(S.Describe, ' total ', TotalArea([S, S]):0:3);
          S.Free;
        end;
      4:
        begin
          M.Kind := skNone;
          MakeShape(M);
        end;
    end;
    WriteLn(Title, ': done');
  except
    on E: Exception do
      WriteLn(Title, ': ', E.ClassName, ': ', E.Message, ' chain=[', VIX.Chain, ']');
  end;
end;

begin
  Scenario('check', 1);
  Scenario('negative', 2);
  Scenario('square', 3);
  Scenario('none', 4);
  WriteLn('destroyed ', Destroyed);
end.
